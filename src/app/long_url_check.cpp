#include "app/long_url_check.h"

#include "app/validate_long_url.h"

const char kEmptyUrlMessage[] =
    "\xC7\xEB\xCA\xE4\xC8\xEB\xD0\xE8\xD2\xAA\xCB\xF5\xB6\xCC\xB5\xC4\xB3\xA4\xCD\xF8\xD6\xB7";
const char kRefusedUrlMessage[] =
    "\xC7\xEB\xC8\xB7\xC8\xCF\xCD\xF8\xD6\xB7\xD3\xC9 http:// \xBB\xF2 https:// \xBF\xAA\xCD\xB7";
const char kErrorTitle[] = "\xB4\xED\xCE\xF3";

const char* LongUrlProblem(const Text& longUrl) {
    if (longUrl.empty()) return kEmptyUrlMessage;
    if (!ValidateLongUrl(longUrl)) return kRefusedUrlMessage;
    return nullptr;
}
