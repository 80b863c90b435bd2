// Code-page conversion, with the contract of the Windows calls MultiByteToWideChar and
// WideCharToMultiByte made with flags 0 (and no default character):
// - a source length of -1 reads through the zero terminator, which is then converted too;
// - a null destination or a destination length of 0 asks for the size needed, in units;
// - the result is the number of units written, or 0 on failure (unknown code page, empty or
//   missing source, destination too small).
// Code pages: 936 (GBK), 65001 (UTF-8) and 0 (the ANSI code page, which is 936 where the program
// is used). Bytes that cannot be read and characters that cannot be written come out as "?" in
// 936 and as U+FFFD from UTF-8, as Windows does.
#pragma once

namespace platform {

constexpr unsigned kCodePageAnsi = 0;
constexpr unsigned kCodePageGbk = 936;
constexpr unsigned kCodePageUtf8 = 65001;

int MultiByteToWide(unsigned codePage, const char* src, int srcLength, char16_t* dst,
                    int dstLength);
int WideToMultiByte(unsigned codePage, const char16_t* src, int srcLength, char* dst,
                    int dstLength);

}  // namespace platform
