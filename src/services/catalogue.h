// The twelve short-link services: their numbers, radio keys, captions and how each is reached.
#pragma once

#include "text/text.h"

enum class ServiceFamily {
    kToolPage,    // service 1: a web tool page that answers with the bare short address
    kAggregator,  // 2, 4, 10, 11, 12: one aggregator, told apart by the "site" value
    kHtmlPage,    // 3: an HTML page with the short address in a span
    kPlainApi,    // 5, 6, 8, 9: "/api.php?url=" answering with the bare short address
    kJsonApi,     // 7: "/create.aspx" answering with JSON
};

struct Service {
    int id;               // 1 to 12, the reading order of the radio buttons
    const char* key;      // the radio control's key: 单选框_<key>
    const char* caption;  // the service's short-link domain, shown on its radio button
    ServiceFamily family;
    const char* host;  // where its requests go
    const char* site;  // the aggregator's "site" value; empty for the others
};

constexpr int kServiceCount = 12;
extern const Service kServices[kServiceCount];

extern const char kAggregatorHost[];
extern const char kToolPageHost[];

// The service of a number, or of a radio key; null when there is none.
const Service* ServiceById(int id);
const Service* ServiceByKey(const Text& key);
