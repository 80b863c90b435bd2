// The simulator's side of HTTP/1.1: requests read off a connection, replies written to it.
#pragma once

#include <utility>
#include <vector>

#include "text/text.h"

struct SimRequest {
    Text method;
    Text target;  // as on the request line: path and query
    Text host;    // the Host header in lower case, without its port
    std::vector<std::pair<Text, Text>> headers;
    Bytes body;
    Bytes raw;  // the request exactly as it arrived

    // The first header of that name (any case), trimmed; empty when there is none.
    Text Header(const Text& name) const;
};

struct SimReply {
    int status = 200;
    std::vector<std::pair<Text, Text>> headers;
    Bytes body;
};

// Takes one whole request off the front of `buffer`; false while it is still incomplete.
// A malformed head counts as complete and leaves `request` with an empty method.
bool TakeRequest(Bytes& buffer, SimRequest& request);

// The reply's bytes: status line, headers with Content-Length, and the body unless `headOnly`.
Bytes SerializeReply(const SimReply& reply, bool headOnly);
