#include "simulator/service_simulator.h"

#include <cstdint>

#include "services/catalogue.h"
#include "text/encoding.h"

const char kVerificationPageUtf8[] =
    "<html><head><title>\xE5\xAE\x89\xE5\x85\xA8\xE9\xAA\x8C\xE8\xAF\x81</title></head>"
    "<body><form action=\"/verify.php\">\xE8\xAF\xB7\xE5\xAE\x8C\xE6\x88\x90\xE9\xAA\x8C"
    "\xE8\xAF\x81</form></body></html>";

namespace {

const char kSessionCookie[] = "QLSID";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Bytes PercentDecode(const Text& text) {
    Bytes out;
    for (size_t i = 0; i < text.size(); i++) {
        bool escape = text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
                      HexValue(text[i + 2]) >= 0;
        if (escape) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

Bytes Base64Decode(const Text& text) {
    static const Text kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    Bytes out;
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        size_t value = kAlphabet.find(c);
        if (value == Text::npos) continue;
        bits = bits << 6 | static_cast<uint32_t>(value);
        if (++count == 4) {
            out += static_cast<char>(bits >> 16);
            out += static_cast<char>(bits >> 8 & 0xFF);
            out += static_cast<char>(bits & 0xFF);
            bits = 0;
            count = 0;
        }
    }
    if (count == 3) {
        out += static_cast<char>(bits >> 10);
        out += static_cast<char>(bits >> 2 & 0xFF);
    } else if (count == 2) {
        out += static_cast<char>(bits >> 4);
    }
    return out;
}

// The value of `key` in the query of `target`; with `toEnd`, everything after "key=".
Text QueryValue(const Text& target, const Text& key, bool toEnd = false) {
    size_t query = target.find('?');
    if (query == Text::npos) return Text();
    Text q = "&" + target.substr(query + 1);
    size_t at = q.find("&" + key + "=");
    if (at == Text::npos) return Text();
    size_t begin = at + key.size() + 2;
    size_t end = toEnd ? Text::npos : q.find('&', begin);
    return q.substr(begin, end == Text::npos ? Text::npos : end - begin);
}

Text PathOf(const Text& target) {
    return target.substr(0, target.find('?'));
}

// Six characters of [A-Za-z0-9], the same for the same service and address every time.
Text ShortCode(const Text& domain, const Text& longUtf8) {
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    uint64_t hash = 14695981039346656037ull;
    for (char c : domain + "\n" + longUtf8) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    Text code;
    for (int i = 0; i < 6; i++, hash /= 62) code += kDigits[hash % 62];
    return code;
}

// A Location value: bytes that cannot stand in a header or an address are percent-encoded.
Text ForLocation(const Bytes& utf8) {
    static const char kHex[] = "0123456789ABCDEF";
    Text out;
    for (unsigned char b : utf8) {
        if (b <= 0x20 || b >= 0x7F) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}

SimReply Page(int status, const Text& type, const Bytes& body) {
    SimReply reply;
    reply.status = status;
    reply.headers.emplace_back("Content-Type", type);
    reply.body = body;
    return reply;
}

SimReply NotFound() {
    return Page(404, "text/plain", "not found");
}

const Service* ServiceOfSite(const Text& site) {
    for (const Service& service : kServices) {
        if (service.family == ServiceFamily::kAggregator && site == service.site) return &service;
    }
    return nullptr;
}

const Service* ServiceOfHost(const Text& host) {
    for (const Service& service : kServices) {
        if (service.family != ServiceFamily::kAggregator && host == service.host) return &service;
    }
    return nullptr;
}

Text SessionOf(const Text& cookieHeader) {
    Text marker = Text(kSessionCookie) + "=";
    for (size_t at = 0; (at = cookieHeader.find(marker, at)) != Text::npos; at++) {
        if (at == 0 || cookieHeader[at - 1] == ' ' || cookieHeader[at - 1] == ';') {
            size_t begin = at + marker.size();
            return cookieHeader.substr(begin, cookieHeader.find(';', begin) - begin);
        }
    }
    return Text();
}

}  // namespace

SimReply ServiceSimulator::Issue(const Text& domain, const Text& longUtf8, SimReply reply) {
    Text code = ShortCode(domain, longUtf8);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        issued_[domain + "/" + code] = ForLocation(longUtf8);
    }
    reply.body = ReplaceAll(reply.body, "{short}", "http://" + domain + "/" + code);
    reply.body = ReplaceAll(reply.body, "{escaped}", "http:\\/\\/" + domain + "\\/" + code);
    return reply;
}

SimReply ServiceSimulator::Expand(const Text& domain, const Text& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = issued_.find(domain + path);
    if (found == issued_.end()) return NotFound();
    SimReply reply = Page(302, "text/html", "<a href=\"" + found->second + "\">moved</a>");
    reply.headers.emplace_back("Location", found->second);
    return reply;
}

SimReply ServiceSimulator::AnswerAggregator(const SimRequest& request) {
    Text path = PathOf(request.target);
    if (path == "/index.php") {
        Text session;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            session = "s" + std::to_string(++sessionCount_);
            sessions_.insert(session);
        }
        SimReply reply = Page(200, "text/html; charset=utf-8", "<html><body>ok</body></html>");
        reply.headers.emplace_back("Set-Cookie",
                                   Text(kSessionCookie) + "=" + session + "; path=/; HttpOnly");
        reply.headers.emplace_back("Set-Cookie", "lang=zh-cn; path=/");
        return reply;
    }
    if (path != "/api.php") return NotFound();
    bool known;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        known = sessions_.count(SessionOf(request.Header("Cookie"))) > 0;
    }
    if (!known) return Page(200, "text/html; charset=utf-8", kVerificationPageUtf8);
    Text site = QueryValue(request.target, "site");
    const Service* service = ServiceOfSite(site);
    if (!service) {
        return Page(200, "application/json",
                    "{\"result\":\"error\",\"data\":{\"short_url\":\"unknown site\"}}");
    }
    Text longUtf8 = TextToUtf8(AsText(Base64Decode(QueryValue(request.target, "url"))));
    SimReply reply =
        Page(200, "application/json", "{\"result\":\"ok\",\"data\":{\"short_url\":\"{escaped}\"}}");
    reply.headers.emplace_back("Set-Cookie", "last_site=" + site + "; path=/");
    return Issue(service->caption, longUtf8, reply);
}

SimReply ServiceSimulator::Answer(const SimRequest& request) {
    if (request.method.empty()) return Page(400, "text/plain", "bad request");
    if (request.host == kAggregatorHost) return AnswerAggregator(request);
    Text path = PathOf(request.target);
    const Service* service = ServiceOfHost(request.host);
    if (!service) {
        for (const Service& s : kServices) {
            if (request.host == s.caption) return Expand(s.caption, path);
        }
        return NotFound();
    }
    switch (service->family) {
        case ServiceFamily::kToolPage: {
            if (path != "/tool/dwz.asp") return NotFound();
            Bytes typed = PercentDecode(QueryValue(request.target, "domain", true));
            return Issue(service->caption, TextToUtf8(AsText(typed)),
                         Page(200, "text/plain", "{short}"));
        }
        case ServiceFamily::kPlainApi:
            if (path != "/api.php") return Expand(service->caption, path);
            return Issue(service->caption, PercentDecode(QueryValue(request.target, "url")),
                         Page(200, "text/plain; charset=utf-8", "{short}"));
        case ServiceFamily::kHtmlPage:
            if (path != "/") return Expand(service->caption, path);
            return Issue(service->caption, PercentDecode(QueryValue(request.target, "url")),
                         Page(200, "text/html; charset=utf-8",
                              "<!DOCTYPE html><html><body><div class=\"result\"><span "
                              "id=\"shortUrl\" class=\"clipText label label-success\">{short}"
                              "</span></div></body></html>"));
        case ServiceFamily::kJsonApi:
            if (path != "/create.aspx") return Expand(service->caption, path);
            return Issue(service->caption, PercentDecode(QueryValue(request.target, "url")),
                         Page(200, "application/json", "{\"tinyurl\":\"{short}\",\"status\":0}"));
        case ServiceFamily::kAggregator:
            break;
    }
    return NotFound();
}
