#include "services/catalogue.h"

// Every host is a constant here and nowhere else, so that a service that moves is a one-line
// change. The services themselves are outside the program; none of these hosts could be
// checked from the machines the program is built on, which have no network. A host that is
// wrong shows as an empty box or the aggregator's message, never as a crash.
//
// The aggregator: one host serving five services, chosen because it shortens with whichever
// service "site" names and answers all five in one JSON form, where calling them directly
// would mean five reply forms and five sets of credentials.
const char kAggregatorHost[] = "api.dwz.lc";
// The tool page of service 1: t.cn issues addresses only to signed-in clients, so the program
// goes through a public tool page (the same operator's short-address page, hence the same
// domain) that takes the address as typed and answers with the bare short address.
const char kToolPageHost[] = "tool.dwz.lc";

const Service kServices[kServiceCount] = {
    {1, "tcn", "t.cn", ServiceFamily::kToolPage, kToolPageHost, ""},
    {2, "sinalt", "sina.lt", ServiceFamily::kAggregator, kAggregatorHost, "sinalt"},
    {3, "tim", "t.im", ServiceFamily::kHtmlPage, "t.im", ""},
    {4, "tinyurl", "tinyurl.com", ServiceFamily::kAggregator, kAggregatorHost, "tinyurl"},
    {5, "c7gg", "c7.gg", ServiceFamily::kPlainApi, "c7.gg", ""},
    {6, "kksme", "kks.me", ServiceFamily::kPlainApi, "kks.me", ""},
    {7, "dwzmn", "dwz.mn", ServiceFamily::kJsonApi, "dwz.mn", ""},
    {8, "ueeme", "uee.me", ServiceFamily::kPlainApi, "uee.me", ""},
    {9, "u6gg", "u6.gg", ServiceFamily::kPlainApi, "u6.gg", ""},
    {10, "jmp", "j.mp", ServiceFamily::kAggregator, kAggregatorHost, "jmp"},
    {11, "bitly", "bit.ly", ServiceFamily::kAggregator, kAggregatorHost, "bitly"},
    {12, "googl", "goo.gl", ServiceFamily::kAggregator, kAggregatorHost, "googl"},
};

const Service* ServiceById(int id) {
    return id >= 1 && id <= kServiceCount ? &kServices[id - 1] : nullptr;
}

const Service* ServiceByKey(const Text& key) {
    for (const Service& service : kServices) {
        if (key == service.key) return &service;
    }
    return nullptr;
}
