// SessionCookies: the aggregator's cookies, shared by the start-up fetch and the workers.
// Every read sees a whole text and every replacement leaves one; once released, the text is
// gone for good and later replacements are dropped, so a thread that outlives the program's
// end cannot touch freed state.
#pragma once

#include "text/text.h"

Text ReadSessionCookies();
void ReplaceSessionCookies(const Text& cookies);
void ReleaseSessionCookies();

// The start-up fetch: the aggregator's start page, whose reply's cookies become
// SessionCookies (left as they were when the request could not be made). True when it now
// holds a cookie.
bool FetchSessionCookies();
