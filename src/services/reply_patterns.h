// The patterns the adapters read replies with, in one place so that what reads outside replies
// can be exercised on its own.
#pragma once

#include "text/text.h"

// The aggregator's JSON: {"result":"<status>","data":{"short_url":"<value>", written with
// "#引号" for each double quote (searched with quotePlaceholder).
extern const char kAggregatorReplyPattern[];

// Service 3's HTML: the span "shortUrl" holding "http://<host>/<code>", with "#引号" for each
// double quote (searched with quotePlaceholder).
Text SpanPattern(const Text& host);

// Service 7's JSON: {"tinyurl":"http://<host>/<code>", with real double quotes.
Text JsonPattern(const Text& host);
