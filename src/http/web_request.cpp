#include "http/web_request.h"

#include "http/cookies.h"
#include "http/request_parts.h"
#include "http/url.h"
#include "platform/internet.h"

namespace {

constexpr uint32_t kReadSize = 1024;
constexpr uint32_t kHeaderAreaSize = 5000;

uint32_t RequestFlags(bool cookiesSupplied, bool noRedirect, bool https) {
    uint32_t flags = platform::kFlagReload | platform::kFlagNeedFile;
    if (cookiesSupplied) flags |= platform::kFlagNoCookies;
    if (noRedirect) flags |= platform::kFlagNoAutoRedirect;
    flags |= https ? platform::kFlagSecure : platform::kFlagIgnoreRedirectToHttps;
    return flags;
}

platform::InternetHandle OpenInternetFor(const Text& url, const Text& extraHeaders,
                                         const Text& proxy) {
    const Text agent = ChooseUserAgent(extraHeaders);
    if (proxy.empty()) {
        return platform::OpenInternet(agent.c_str(), platform::kOpenTypeDirect, "", "", 0);
    }
    // Without a scheme of its own, the proxy serves plain HTTP only.
    const Text proxyText = IsHttpsAddress(url) ? proxy : "http=" + proxy;
    return platform::OpenInternet(agent.c_str(), platform::kOpenTypeProxy, proxyText.c_str(), "",
                                  0);
}

Bytes ReadBody(platform::InternetHandle request) {
    Bytes body;
    char buffer[kReadSize];
    uint32_t delivered = 0;
    do {
        delivered = 0;
        platform::ReadInternetFile(request, buffer, kReadSize, &delivered);
        body.append(buffer, delivered);
    } while (delivered > 0);
    return body;
}

// The raw header block; 5000 blanks when none could be had. A block larger than the usual area
// is asked for again with the size the platform reports.
Text ReadHeaderBlock(platform::InternetHandle request) {
    Bytes area(kHeaderAreaSize, ' ');
    uint32_t length = kHeaderAreaSize;
    if (!platform::QueryHttpInfo(request, platform::kQueryRawHeadersCrlf, &area[0], &length,
                                 nullptr) &&
        length > kHeaderAreaSize) {
        Bytes larger(length, ' ');
        if (platform::QueryHttpInfo(request, platform::kQueryRawHeadersCrlf, &larger[0], &length,
                                    nullptr)) {
            area.swap(larger);
        }
    }
    return AsText(area);
}

}  // namespace

Bytes WebRequest(const Text& url, int method, const Text& postText, Text* sendCookies,
                 Text* replyCookies, Text* extraHeaders, Text* replyHeaders, bool noRedirect,
                 Bytes* postBytes, const Text& proxy) {
    // Line breaks in the address or the cookies would end up as header lines of their own.
    if (!IsSafeAddress(url) || (sendCookies && !IsSafeCookieText(*sendCookies))) return Bytes();

    Text noHeaders, noReplyHeaders, noReplyCookies;
    Bytes noPostBytes;
    Text& headers = extraHeaders ? *extraHeaders : noHeaders;
    Text& replyBlock = replyHeaders ? *replyHeaders : noReplyHeaders;
    Text& cookiesOut = replyCookies ? *replyCookies : noReplyCookies;
    Bytes& bodyOut = postBytes ? *postBytes : noPostBytes;
    const Text verb = RequestVerb(method);
    const bool https = IsHttpsAddress(url);

    platform::InternetHandle internet = OpenInternetFor(url, headers, proxy);
    if (!internet) return Bytes();
    platform::InternetHandle connection = platform::ConnectInternet(
        internet, UrlHost(url).c_str(), UrlPort(url), "", "", platform::kServiceHttp, 0);
    if (!connection) {
        platform::CloseInternetHandle(internet);
        return Bytes();
    }
    const Text target = EncodeRequestTarget(UrlPath(url));
    platform::InternetHandle request =
        platform::OpenHttpRequest(connection, verb.c_str(), target.c_str(), "HTTP/1.1", "", nullptr,
                                  RequestFlags(sendCookies != nullptr, noRedirect, https));
    if (!request) {
        platform::CloseInternetHandle(connection);
        platform::CloseInternetHandle(internet);
        return Bytes();
    }

    headers = BuildHeaderBlock(headers, url, sendCookies ? *sendCookies : Text());
    if (verb != "GET" && bodyOut.empty()) bodyOut = postText;
    static const Bytes kNoBody;
    const Bytes& body = verb == "GET" ? kNoBody : bodyOut;
    platform::SendHttpRequest(request, headers.data(), static_cast<uint32_t>(headers.size()),
                              body.empty() ? nullptr : body.data(),
                              static_cast<uint32_t>(body.size()));
    const Bytes reply = ReadBody(request);
    replyBlock = NormaliseSetCookie(ReadHeaderBlock(request));
    platform::CloseInternetHandle(request);
    platform::CloseInternetHandle(connection);
    platform::CloseInternetHandle(internet);

    Text collected = CollectCookies(replyBlock);
    cookiesOut = sendCookies ? MergeCookies(*sendCookies, collected) : collected;
    return reply;
}
