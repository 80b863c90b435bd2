// Every text operation gives a result for any bytes: empty, broken GBK or UTF-8, zero bytes,
// and inputs of many megabytes (the sanitizer build checks that nothing reads past the end).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "http/cookies.h"
#include "http/url.h"
#include "text/base64.h"
#include "text/encoding.h"
#include "text/replace_pairs.h"

namespace {

std::vector<Bytes> HostileInputs() {
    std::vector<Bytes> inputs = {"",
                                 "\x81",
                                 "a\xFE",
                                 Bytes("\x81\0", 2),
                                 "\xFF\xFF\xFF",
                                 "\xED\xA0\x80\xF4\x90\x80\x80",
                                 "\xE4\xB8",
                                 Bytes("a\0b", 3),
                                 "\xA1\xA1\xA1",
                                 ";=;==;",
                                 "http://",
                                 "https://:/"};
    Bytes big;
    for (int i = 0; big.size() < (10u << 20); i++) big += static_cast<char>(0x81 + i % 126);
    inputs.push_back(big);
    return inputs;
}

bool HasZeroByte(const Text& t) {
    return t.find('\0') != Text::npos;
}

TEST(Totality, EveryOperationAcceptsAnyBytes) {
    for (const Bytes& input : HostileInputs()) {
        SCOPED_TRACE(input.size() < 20 ? input : "10 MB of lead bytes");
        EXPECT_FALSE(HasZeroByte(UrlEncode(input, true, true)));
        EXPECT_FALSE(HasZeroByte(Utf8ToText(input)));
        EXPECT_FALSE(HasZeroByte(TextToUtf8(AsText(input))));
        EXPECT_FALSE(HasZeroByte(Utf16ToMultiByte(input, 936)));
        EXPECT_EQ(MultiByteToUtf16(AsText(input), 936).size() % 2, 0u);
        EXPECT_EQ(Base64Encode(input).size(), (input.size() + 2) / 3 * 4);
        EXPECT_FALSE(HasZeroByte(ReplacePairs(AsText(input), "\x81", "?")));
        Text old = AsText(input), fresh = AsText(input);
        EXPECT_FALSE(HasZeroByte(MergeCookies(old, fresh)));
        EXPECT_GE(UrlPath(AsText(input)).size(), 1u);
        EXPECT_FALSE(HasZeroByte(UrlHost(AsText(input), true, false, 2)));
        UrlPort(AsText(input));
    }
}

}  // namespace
