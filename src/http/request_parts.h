// The pieces of one web request that are pure text work: which user agent, which header block,
// what goes into the request line, and which cookies a reply set.
#pragma once

#include "text/text.h"

// "GET", "POST" or "HEAD"; a method outside 0 to 2 counts as 0.
Text RequestVerb(int method);

// The address counts as HTTPS when it begins with "https://" in any case.
bool IsHttpsAddress(const Text& url);

// The agent named by a "User-Agent:" line (found ignoring case) in `extraHeaders`, or the
// default one when there is none.
Text ChooseUserAgent(const Text& extraHeaders);

// `extraHeaders` completed with the default lines it lacks and the cookie line, CR LF separated.
Text BuildHeaderBlock(const Text& extraHeaders, const Text& url, const Text& sendCookies);

// False for text that would break out of its line in the request: an address holding CR, LF or
// a zero byte, a cookie text holding CR or LF.
bool IsSafeAddress(const Text& url);
bool IsSafeCookieText(const Text& cookies);

// The object path as it goes into the request line: space, the other control bytes and "#"
// percent-encoded, every other byte as it stands.
Text EncodeRequestTarget(const Text& path);

// Every "Set-Cookie" (any case) written "Set-Cookie".
Text NormaliseSetCookie(const Text& headerBlock);

// The name=value of each Set-Cookie line, in order, joined by "; ".
Text CollectCookies(const Text& headerBlock);
