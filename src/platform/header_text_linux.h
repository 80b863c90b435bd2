// Header text as the Linux internet layer handles it: looked up in a response, rebuilt the way
// WinINet hands a response's headers over, and turned into libcurl's request header list.
#pragma once

#include <curl/curl.h>

#include <cstdint>
#include <string>

namespace platform {

bool StartsWithNoCase(const std::string& text, const char* prefix);

// The value of the first header line named `name` in a block; empty when there is none.
std::string HeaderIn(const std::string& block, const char* name);

// The status code of a block's status line; 0 when there is none.
long StatusOf(const std::string& block);

// The block as WinINet hands it over (see the definition).
std::string AsPlatformBlock(const std::string& block);

// The caller's CR LF separated lines as libcurl's list, with libcurl's own defaults suppressed.
curl_slist* HeaderList(const char* headers, uint32_t length);

}  // namespace platform
