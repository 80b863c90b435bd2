#include "services/reply_patterns.h"

const char kAggregatorReplyPattern[] =
    "{#\xD2\xFD\xBA\xC5result#\xD2\xFD\xBA\xC5:#\xD2\xFD\xBA\xC5([a-z]+)#\xD2\xFD\xBA\xC5,"
    "#\xD2\xFD\xBA\xC5"
    "data#\xD2\xFD\xBA\xC5:{#\xD2\xFD\xBA\xC5short_url#\xD2\xFD\xBA\xC5:#\xD2\xFD\xBA\xC5"
    "([^#\xD2\xFD\xBA\xC5]+)#\xD2\xFD\xBA\xC5";

// The host goes into the pattern as it is: its "." matches any character, which is harmless.
Text SpanPattern(const Text& host) {
    return "<span id=#\xD2\xFD\xBA\xC5shortUrl#\xD2\xFD\xBA\xC5 class=#\xD2\xFD\xBA\xC5"
           "clipText label label-success#\xD2\xFD\xBA\xC5>(http://" +
           host + "/[\\w]+)</span>";
}

Text JsonPattern(const Text& host) {
    return "{\"tinyurl\":\"(http://" + host + "/[\\w]+)\"";
}
