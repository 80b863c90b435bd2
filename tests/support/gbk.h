// Readable GBK fixtures: tests spell Chinese text by its bytes, named once here.
#pragma once

#define GBK_ZHONG "\xD6\xD0"                       // 中
#define GBK_WEN "\xCE\xC4"                         // 文
#define GBK_WIDE_SPACE "\xA1\xA1"                  // the full-width space
#define GBK_QUOTE_PLACEHOLDER "#\xD2\xFD\xBA\xC5"  // #引号
#define GBK_EURO "\x80"
// A two-byte character whose trail byte is "\" (5C), the classic trap for byte searches.
#define GBK_TRAIL_BACKSLASH "\x81\x5C"
