// What the generate command says before it starts a request: nothing, or one of two messages.
#pragma once

#include "text/text.h"

extern const char kEmptyUrlMessage[];    // "请输入需要缩短的长网址"
extern const char kRefusedUrlMessage[];  // "请确认网址由 http:// 或 https:// 开头"
extern const char kErrorTitle[];         // "错误"

// Null when the address may go out; otherwise the message to show. A text of blanks is not
// empty: it is refused.
const char* LongUrlProblem(const Text& longUrl);
