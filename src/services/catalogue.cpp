#include "services/catalogue.h"

// Every host is a constant here and nowhere else, so that a service that moves is a one-line
// change. The aggregator and the tool page are outside services we do not run; the names below
// are the ones the program is built with, and were not reachable from the machines it was
// built on (they have no network), so a failing service shows first as an empty box or the
// aggregator's message, never as a crash.
//
// The aggregator: one host for five services, since it shortens with the service named by
// "site" and so spares the program five different reply forms.
const char kAggregatorHost[] = "api.dwz.lc";
// The tool page of service 1: a webmaster tool site's short-address page, the one way to t.cn
// that takes no account of the user's.
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
