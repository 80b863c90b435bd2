// Taking an address apart, and picking values out of header text.
#pragma once

#include <optional>

#include "text/text.h"

// The text between the first `startMarker` at or after `startPos` and the next `endMarker` after
// it; empty when either is missing. "#引号" in a marker stands for a double quote.
Text TextBetween(const Text& text, const Text& startMarker, const Text& endMarker, int startPos = 1,
                 bool ignoreCase = false);

// The text after the first ":", trimmed of blanks; empty when there is no ":".
Text HeaderValue(const Text& text);

// The host of `url` in lower case, without its port unless `keepPort`. Without `levels`: the whole
// host, or its last two labels with `mainDomain`. With `levels` K: the last K + 1 labels with
// `mainDomain`, else the last K + 2.
Text UrlHost(const Text& url, bool mainDomain = false, bool keepPort = false,
             std::optional<int> levels = std::nullopt);

// The port to connect to: the explicit one, else 443 for an address beginning "https", else 80.
int UrlPort(const Text& url);

// From the first "/" after the host to the end, query included; "/" when there is none.
Text UrlPath(const Text& url);
