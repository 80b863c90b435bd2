#include "http/cookies.h"

#include <unordered_map>
#include <vector>

namespace {

struct Cookie {
    Text name;
    Text value;
};

// Items separated by ";"; an empty piece after a final ";" is not an item.
std::vector<Cookie> SplitCookies(const Text& text) {
    std::vector<Cookie> cookies;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find(';', begin);
        if (end == Text::npos) end = text.size();
        Text item = text.substr(begin, end - begin);
        cookies.push_back({CookieName(item), CookieValue(item)});
        begin = end + 1;
    }
    return cookies;
}

}  // namespace

Text CookieName(const Text& item) {
    size_t equals = item.find('=');
    return TrimBlanks(equals == Text::npos ? item : item.substr(0, equals));
}

Text CookieValue(const Text& item) {
    size_t equals = item.find('=');
    return equals == Text::npos ? Text() : item.substr(equals + 1);
}

Text MergeCookies(Text& oldCookies, Text& newCookies) {
    oldCookies = RemoveBlanks(oldCookies);
    newCookies = RemoveBlanks(newCookies);
    if (newCookies.empty()) return oldCookies;

    std::vector<Cookie> merged = SplitCookies(oldCookies);
    std::vector<Cookie> newer = SplitCookies(newCookies);
    std::unordered_map<Text, size_t> firstByName;
    firstByName.reserve(merged.size() + newer.size());
    for (size_t i = merged.size(); i-- > 0;) firstByName[merged[i].name] = i;

    for (Cookie& cookie : newer) {
        auto found = firstByName.find(cookie.name);
        if (found != firstByName.end()) {
            merged[found->second].value = std::move(cookie.value);
        } else {
            firstByName.emplace(cookie.name, merged.size());
            merged.push_back(std::move(cookie));
        }
    }

    Text result;
    result.reserve(oldCookies.size() + newCookies.size() + merged.size());
    for (const Cookie& cookie : merged) {
        if (cookie.name.empty() || cookie.value.empty() || cookie.value == "deleted") continue;
        result += cookie.name;
        result += '=';
        result += cookie.value;
        result += ';';
    }
    oldCookies = result;
    return result;
}
