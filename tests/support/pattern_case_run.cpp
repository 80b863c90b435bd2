// Running one case of the pattern table and writing its result block.
//
// Field escapes: "\\" a backslash, "\n", "\r", "\t", "\xHH" a byte of code page 936 text (in a
// wide case the unit 00HH), "\uHHHH" a UTF-16 unit (wide cases only); a backslash before
// anything else is itself, so that "[\w]" or "\/" can be written as they are. Everything else
// is UTF-8, taken into code page 936 for text cases.
#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <type_traits>

#include "platform/regexp.h"
#include "support/pattern_cases.h"
#include "text/encoding.h"
#include "text/pattern_matcher.h"

namespace {

// Matches listed per case; the one after the last is always listed too.
constexpr int kListedMatches = 20;

int Hex(const std::string& s, size_t at, size_t digits) {
    if (at + digits > s.size()) return -1;
    int value = 0;
    for (size_t k = 0; k < digits; k++) {
        char c = s[at + k];
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
        if (d < 0) return -1;
        value = value * 16 + d;
    }
    return value;
}

// One escape at field[i] (a backslash): its unit, or -1 when it is no escape. `length` is the
// number of characters it takes.
long Escape(const std::string& field, size_t i, size_t* length) {
    char e = i + 1 < field.size() ? field[i + 1] : '\0';
    *length = 2;
    switch (e) {
        case '\\':
            return '\\';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'x':
            *length = 4;
            return Hex(field, i + 2, 2);
        case 'u':
            *length = 6;
            return Hex(field, i + 2, 4) < 0 ? -1 : 0x10000 + Hex(field, i + 2, 4);
        default:
            return -1;
    }
}

void AppendUtf8AsUnits(const std::string& utf8, platform::WideText* out) {
    for (size_t i = 0; i < utf8.size();) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t c = extra ? b & (0x3F >> extra) : b;
        for (int k = 1; k <= extra && i + k < utf8.size(); k++) c = c << 6 | (utf8[i + k] & 0x3F);
        i += 1 + extra;
        if (c >= 0x10000) {
            out->push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out->push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out->push_back(static_cast<char16_t>(c));
        }
    }
}

// A "\u" escape comes back as 0x10000 + its unit, to tell it from a "\x" byte.
Text DecodeText(const std::string& field) {
    Text out;
    std::string run;
    for (size_t i = 0; i < field.size(); i++) {
        size_t length = 0;
        long unit = field[i] == '\\' ? Escape(field, i, &length) : -1;
        if (unit < 0 || unit >= 0x10000) {
            run += field[i];
            continue;
        }
        out += Utf8ToText(run) + static_cast<char>(unit);
        run.clear();
        i += length - 1;
    }
    return out + Utf8ToText(run);
}

platform::WideText DecodeWide(const std::string& field) {
    platform::WideText out;
    std::string run;
    for (size_t i = 0; i < field.size(); i++) {
        size_t length = 0;
        long unit = field[i] == '\\' ? Escape(field, i, &length) : -1;
        if (unit < 0) {
            run += field[i];
            continue;
        }
        AppendUtf8AsUnits(run, &out);
        run.clear();
        out.push_back(static_cast<char16_t>(unit & 0xFFFF));
        i += length - 1;
    }
    AppendUtf8AsUnits(run, &out);
    return out;
}

template <typename Units>
std::string Quote(const Units& units) {
    std::string out = "\"";
    for (auto u : units) {
        unsigned value = static_cast<std::make_unsigned_t<decltype(u)>>(u);
        char hex[8];
        if (value == '\\' || value == '"') {
            out += '\\';
            out += static_cast<char>(value);
        } else if (value >= 0x20 && value < 0x7F) {
            out += static_cast<char>(value);
        } else {
            std::snprintf(hex, sizeof hex, value > 0xFF ? "\\u%04X" : "\\x%02X", value);
            out += hex;
        }
    }
    return out + "\"";
}

// "name=0" or "name=1" words; every name not given keeps `defaults`.
std::map<std::string, bool> Options(const std::string& words,
                                    std::map<std::string, bool> defaults) {
    std::istringstream in(words);
    std::string word;
    while (in >> word) {
        size_t eq = word.find('=');
        defaults[word.substr(0, eq)] = eq == std::string::npos || word.substr(eq + 1) == "1";
    }
    return defaults;
}

std::string RunTextCase(const PatternCase& c) {
    auto o = Options(c.options, {{"caseSensitive", false},
                                 {"multiline", true},
                                 {"global", true},
                                 {"quotePlaceholder", false}});
    PatternMatcher m;
    std::ostringstream out;
    out << "search: "
        << m.Search(DecodeText(c.pattern), DecodeText(c.subject), o["caseSensitive"],
                    o["multiline"], o["global"], o["quotePlaceholder"])
        << "\npattern: " << Quote(m.Pattern()) << "\ncount: " << m.MatchCount()
        << "\nsubcount: " << m.SubMatchCount() << "\n";
    const int listed = std::min(m.MatchCount(), kListedMatches) + 1;
    for (int i = 1; i <= listed; i++) {
        int position = 0;
        Text text = m.MatchText(i, &position);
        out << "match " << i << ": " << Quote(text) << " at " << position << "\n";
        for (int j = 1; j <= (i < listed ? m.SubMatchCount() + 1 : 1); j++) {
            text = m.SubMatchText(i, j, &position);
            out << "group " << i << "." << j << ": " << Quote(text) << " at " << position << "\n";
        }
    }
    Text replaced = c.hasReplacement ? m.Replace(DecodeText(c.replacement)) : m.Replace();
    out << "replace: " << Quote(replaced) << "\n";
    return out.str();
}

std::string RunWideCase(const PatternCase& c) {
    using namespace platform;
    auto o = Options(c.options, {{"ignoreCase", false}, {"multiline", false}, {"global", false}});
    const bool threadSetUp = RegExpThreadBegin();
    std::ostringstream out;
    {
        RegExpRef re = NewPatternObject();
        SetOption(re, RegExpOption::kIgnoreCase, o["ignoreCase"]);
        SetOption(re, RegExpOption::kMultiline, o["multiline"]);
        SetOption(re, RegExpOption::kGlobal, o["global"]);
        SetPatternText(re, DecodeWide(c.pattern));
        const WideText subject = DecodeWide(c.subject);
        RegExpRef matches = Execute(re, subject);
        const int count = ItemCount(matches);
        out << "search: " << (matches != nullptr) << "\ncount: " << count << "\n";
        for (int i = 0; i < std::min(count, kListedMatches); i++) {
            RegExpRef match = MatchAt(matches, i);
            RegExpRef groups = MatchGroups(match);
            out << "match " << i + 1 << ": " << Quote(MatchValue(match)) << " first "
                << MatchFirstIndex(match) << " groups " << ItemCount(groups) << "\n";
            for (int j = 0; j < ItemCount(groups); j++) {
                out << "group " << i + 1 << "." << j + 1 << ": " << Quote(GroupText(groups, j))
                    << "\n";
            }
        }
        if (c.hasReplacement) {
            out << "replace: " << Quote(Replace(re, subject, DecodeWide(c.replacement))) << "\n";
        }
    }
    if (threadSetUp) RegExpThreadEnd();
    return out.str();
}

}  // namespace

std::string RunPatternCase(const PatternCase& c) {
    return "== " + c.name + "\n" + (c.wide ? RunWideCase(c) : RunTextCase(c));
}
