// The one HTTP request operation: one synchronous request through the platform's internet API,
// with the default headers, cookie sending and collecting, proxy and redirect options.
#pragma once

#include "text/text.h"

// Sends one request and returns the reply body exactly as received (empty when nothing came or
// a handle could not be opened). A null pointer is an omitted parameter. A supplied `sendCookies`,
// even an empty one, switches the platform's cookie store off for this request and receives the
// reply's cookies merged into it; `replyCookies` then gets the merged text, otherwise only the
// reply's own cookies. `extraHeaders` comes back as the whole header block sent, `postBytes` as
// the body sent. method: 0 GET, 1 POST, 2 HEAD (other values: GET).
Bytes WebRequest(const Text& url, int method = 0, const Text& postText = Text(),
                 Text* sendCookies = nullptr, Text* replyCookies = nullptr,
                 Text* extraHeaders = nullptr, Text* replyHeaders = nullptr,
                 bool noRedirect = false, Bytes* postBytes = nullptr, const Text& proxy = Text());
