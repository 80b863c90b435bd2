#include "http/url.h"

#include <climits>

namespace {

const Text kQuotePlaceholder = "#\xD2\xFD\xBA\xC5";  // "#引号" in GBK

Text HostWithoutLevels(Text s, bool mainDomain) {
    if (s.empty() || s.back() != '/') s += '/';
    if (s.compare(0, 8, "https://") == 0) {
        s = TextBetween(s, "https://", "/");
    } else {
        if (!Contains(s, "http://")) s = "http://" + s;
        s = TextBetween(s, "http://", "/");
    }
    if (!mainDomain) return s;
    Text labels = s;
    if (!labels.empty() && labels.back() == '.') labels.pop_back();
    int last = FindLastBefore(labels, ".", static_cast<int>(labels.size()) + 1);
    if (last == kNotFound) return s;
    int previous = FindLastBefore(labels, ".", last);
    return TextAfter(labels, previous == kNotFound ? 0 : previous);
}

Text HostWithLevels(Text s, bool mainDomain, int levels) {
    s = ReplaceAll(ReplaceAll(s, "http://", ""), "https://", "");
    int slash = FindText(s, "/");
    if (slash != kNotFound) s = s.substr(0, static_cast<size_t>(slash) - 1);
    int h = static_cast<int>(s.size());
    for (int i = 0; i < levels && h != kNotFound; i++) h = FindLastBefore(s, ".", h);
    int d1 = h == kNotFound ? kNotFound : FindLastBefore(s, ".", h);
    if (mainDomain) return TextAfter(s, d1 == kNotFound ? 0 : d1);
    if (d1 == kNotFound) return s;
    int d2 = FindLastBefore(s, ".", d1);
    return d2 == kNotFound ? s : TextAfter(s, d2);
}

// Leading digits with an optional sign, as a decimal integer; 0 when there are none.
int LeadingInteger(const Text& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; i++) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

Text TextBetween(const Text& text, const Text& startMarker, const Text& endMarker, int startPos,
                 bool ignoreCase) {
    const Text start = ReplaceAll(startMarker, kQuotePlaceholder, "\"");
    const Text end = ReplaceAll(endMarker, kQuotePlaceholder, "\"");
    int p = FindText(text, start, startPos, ignoreCase);
    if (p == kNotFound) return Text();
    int v = p + static_cast<int>(start.size());
    int e = FindText(text, end, v, ignoreCase);
    if (e == kNotFound) return Text();
    return text.substr(static_cast<size_t>(v) - 1, static_cast<size_t>(e - v));
}

Text HeaderValue(const Text& text) {
    int colon = FindText(text, ":");
    return colon == kNotFound ? Text() : TrimBlanks(TextAfter(text, colon));
}

Text UrlHost(const Text& url, bool mainDomain, bool keepPort, std::optional<int> levels) {
    Text s = LowerAscii(AsText(url));
    s = levels ? HostWithLevels(s, mainDomain, *levels) : HostWithoutLevels(s, mainDomain);
    if (keepPort) return s;
    int colon = FindText(s, ":");
    return colon == kNotFound ? s : s.substr(0, static_cast<size_t>(colon) - 1);
}

int UrlPort(const Text& url) {
    Text host = UrlHost(url, false, true);
    int colon = FindLastBefore(host, ":", static_cast<int>(host.size()) + 1);
    if (colon != kNotFound) return LeadingInteger(TextAfter(host, colon));
    return LowerAscii(url.substr(0, 5)) == "https" ? 443 : 80;
}

Text UrlPath(const Text& url) {
    int hostAt = FindText(url, UrlHost(url), 1, true);
    int slash = FindText(url, "/", hostAt);
    return slash == kNotFound ? Text("/") : url.substr(static_cast<size_t>(slash) - 1);
}
