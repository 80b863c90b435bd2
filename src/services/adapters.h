// One adapter per kind of request and reply. Each takes the long address as typed (GBK) and
// returns what to show: the short address, a message for the user, or empty. Each makes at
// most two attempts: a second one, at once and with the same request, only when the first
// gave an empty result.
#pragma once

#include "text/text.h"

// "操作频繁，需要验证，请换其他短网址类型或重新试试": the aggregator answered in no form we read.
extern const char kAggregatorMessage[];

// Services 2, 4, 10, 11 and 12, told apart by the aggregator's "site" value.
Text ShortenViaAggregator(const Text& longUrl, const Text& site);
// Services 5, 6, 8 and 9, told apart by their host.
Text ShortenViaPlainApi(const Text& longUrl, const Text& host);
Text ShortenViaToolPage(const Text& longUrl);  // service 1
Text ShortenViaHtmlPage(const Text& longUrl);  // service 3
Text ShortenViaJsonApi(const Text& longUrl);   // service 7
