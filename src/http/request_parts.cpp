#include "http/request_parts.h"

#include "http/url.h"

namespace {

const Text kCrLf = "\r\n";
const Text kDefaultUserAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

void AddLineUnlessPresent(Text& block, const Text& name, const Text& line) {
    if (!Contains(block, name)) block += kCrLf + line;
}

}  // namespace

Text RequestVerb(int method) {
    if (method == 1) return "POST";
    if (method == 2) return "HEAD";
    return "GET";
}

bool IsHttpsAddress(const Text& url) {
    return LowerAscii(url.substr(0, 8)) == "https://";
}

Text ChooseUserAgent(const Text& extraHeaders) {
    if (!Contains(extraHeaders, "User-Agent:", true)) return kDefaultUserAgent;
    Text agent = TrimBlanks(TextBetween(extraHeaders + kCrLf, "User-Agent:", kCrLf));
    return agent.empty() ? HeaderValue(extraHeaders) : agent;
}

Text BuildHeaderBlock(const Text& extraHeaders, const Text& url, const Text& sendCookies) {
    Text block = extraHeaders;
    if (block.empty()) {
        block = "Accept: */*";
    } else {
        AddLineUnlessPresent(block, "Accept:", "Accept: */*");
    }
    AddLineUnlessPresent(block, "Referer:", "Referer: " + url);
    AddLineUnlessPresent(block, "Accept-Language:", "Accept-Language: zh-cn");
    AddLineUnlessPresent(block, "Content-Type:", "Content-Type: application/x-www-form-urlencoded");
    if (!sendCookies.empty()) {
        block +=
            kCrLf + (Contains(sendCookies, "Cookie:") ? sendCookies : "Cookie: " + sendCookies);
    }
    return block;
}

bool IsSafeAddress(const Text& url) {
    return url.find_first_of(Text("\r\n\0", 3)) == Text::npos;
}

bool IsSafeCookieText(const Text& cookies) {
    return cookies.find_first_of("\r\n") == Text::npos;
}

Text EncodeRequestTarget(const Text& path) {
    static const char kHex[] = "0123456789ABCDEF";
    Text target;
    target.reserve(path.size());
    for (char c : path) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b == 0x7F || c == '#') {
            target += '%';
            target += kHex[b >> 4];
            target += kHex[b & 0xF];
        } else {
            target += c;
        }
    }
    return target;
}

Text NormaliseSetCookie(const Text& headerBlock) {
    return ReplaceAll(headerBlock, "Set-Cookie", "Set-Cookie", true);
}

Text CollectCookies(const Text& headerBlock) {
    Text cookies;
    size_t at = 0;
    while (at <= headerBlock.size()) {
        size_t end = headerBlock.find(kCrLf, at);
        if (end == Text::npos) end = headerBlock.size();
        const Text line = headerBlock.substr(at, end - at);
        at = end + kCrLf.size();
        if (!Contains(line, "Set-Cookie")) continue;
        const Text entry = Contains(line, ";") ? TextBetween(line, "Set-Cookie:", ";")
                                               : ReplaceAll(line, "Set-Cookie:", "", true);
        cookies += TrimBlanks(entry) + "; ";
    }
    if (cookies.size() >= 2) cookies.resize(cookies.size() - 2);
    return cookies;
}
