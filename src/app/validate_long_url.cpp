#include "app/validate_long_url.h"

#include "text/pattern_matcher.h"

// Multi-line matching would let "^" match after a line break, and so accept a text whose second
// line is an address; it is turned off, and "^" holds only at the start of the text.
bool ValidateLongUrl(const Text& longUrl) {
    PatternMatcher matcher;
    matcher.Search("^https?://", longUrl, false, false);
    return matcher.MatchCount() != 0;
}
