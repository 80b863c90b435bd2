// The check of the long address before a request is started.
#pragma once

#include "text/text.h"

// True exactly when `longUrl` begins with "http://" or "https://", the scheme in any case.
bool ValidateLongUrl(const Text& longUrl);
