// Bracket classes as the pattern object reads them, and their PCRE2 spelling.
#include <cstdio>

#include "platform/regexp_engine_linux.h"

namespace platform {
namespace {

// What "\s" matches in the pattern object, measured over every code unit.
constexpr char16_t kSpaceRanges[][2] = {
    {0x0009, 0x000D}, {0x0020, 0x0020}, {0x0085, 0x0085}, {0x00A0, 0x00A0}, {0x1680, 0x1680},
    {0x2000, 0x200A}, {0x2028, 0x2029}, {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
};

bool IsOctal(char16_t c) {
    return c >= '0' && c <= '7';
}
bool IsAsciiLetter(char16_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsWordUnit(char16_t c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

int HexValue(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AddRange(UnitSet* units, unsigned first, unsigned last) {
    for (unsigned u = first; u <= last; u++) units->set(u);
}

// One element of a class body: a single unit, or the set of a class escape.
struct Element {
    bool isSet = false;
    char16_t unit = 0;
    char16_t letter = 0;
};

Element Unit(unsigned value) {
    Element e;
    e.unit = static_cast<char16_t>(value);
    return e;
}

// "\x" and "\u" take up to `digits` hex digits; a digit that is not hex gives a backslash and
// drops the letter, while the end of the body just ends the number.
Element HexEscape(const WideText& body, size_t& i, int digits) {
    const size_t afterLetter = i;
    unsigned value = 0;
    for (int k = 0; k < digits && i < body.size(); k++) {
        int digit = HexValue(body[i++]);
        if (digit < 0) {
            i = afterLetter;
            return Unit('\\');
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return Unit(value);
}

// Up to three octal digits, the first already read, as long as the value stays below 256.
Element OctalEscape(const WideText& body, size_t& i, char16_t first) {
    unsigned value = first - '0';
    if (i < body.size() && IsOctal(body[i])) {
        value = 8 * value + (body[i++] - '0');
        if (i < body.size() && IsOctal(body[i]) && 8 * value + (body[i] - '0') <= 0377) {
            value = 8 * value + (body[i++] - '0');
        }
    }
    return Unit(value);
}

// The pattern object checks a class with one rule for "\c" and fills it with another: when
// checking, only a letter makes a control character; when filling, any word character does.
Element ReadEscape(const WideText& body, size_t& i, bool checking) {
    char16_t e = body[i++];
    switch (e) {
        case 'b':
            return Unit(0x08);
        case 'f':
            return Unit(0x0C);
        case 'n':
            return Unit(0x0A);
        case 'r':
            return Unit(0x0D);
        case 't':
            return Unit(0x09);
        case 'v':
            return Unit(0x0B);
        case 'c':
            if (i < body.size() && (checking ? IsAsciiLetter(body[i]) : IsWordUnit(body[i]))) {
                return Unit(body[i++] & 0x1F);
            }
            i--;
            return Unit('\\');
        case 'x':
            return HexEscape(body, i, 2);
        case 'u':
            return HexEscape(body, i, 4);
        case 'd':
        case 'D':
        case 's':
        case 'S':
        case 'w':
        case 'W': {
            Element set;
            set.isSet = true;
            set.letter = e;
            return set;
        }
        default:
            return IsOctal(e) ? OctalEscape(body, i, e) : Unit(e);
    }
}

Element ReadElement(const WideText& body, size_t& i, bool checking) {
    char16_t c = body[i++];
    if (c != '\\' || i == body.size()) return Unit(c);
    return ReadEscape(body, i, checking);
}

bool ReadBody(const WideText& body, bool checking, UnitSet* units) {
    bool inRange = false;
    char16_t rangeStart = 0;
    for (size_t i = 0; i < body.size();) {
        Element e = ReadElement(body, i, checking);
        if (e.isSet) {
            if (inRange) return false;
            UnitSet set;
            ClassEscapeUnits(e.letter, &set);
            *units |= set;
            continue;
        }
        if (inRange) {
            if (rangeStart > e.unit) return false;
            AddRange(units, rangeStart, e.unit);
            inRange = false;
            continue;
        }
        units->set(e.unit);
        // A "-" starts a range unless it is the last unit of the body.
        if (i + 1 < body.size() && body[i] == '-') {
            i++;
            inRange = true;
            rangeStart = e.unit;
        }
    }
    return true;
}

void AppendUnit(std::u16string* out, unsigned unit) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "\\x{%x}", unit);
    for (const char* p = hex; *p; p++) out->push_back(static_cast<char16_t>(*p));
}

}  // namespace

bool ClassEscapeUnits(char16_t letter, UnitSet* units) {
    UnitSet set;
    switch (letter) {
        case 'd':
        case 'D':
            AddRange(&set, '0', '9');
            break;
        case 's':
        case 'S':
            for (const auto& range : kSpaceRanges) AddRange(&set, range[0], range[1]);
            break;
        case 'w':
        case 'W':
            for (unsigned u = 0; u < 128; u++) set[u] = IsWordUnit(static_cast<char16_t>(u));
            break;
        default:
            return false;
    }
    bool negated = letter == 'D' || letter == 'S' || letter == 'W';
    *units = negated ? ~set : set;
    return true;
}

bool ReadClassBody(const WideText& body, UnitSet* units) {
    UnitSet checked;
    if (!ReadBody(body, true, &checked)) return false;
    units->reset();
    return ReadBody(body, false, units);
}

std::u16string ClassToPcre(const UnitSet& units, bool negate) {
    if (units.none()) return negate ? u"[\\x{0}-\\x{ffff}]" : u"(?!)";
    std::u16string out = negate ? u"[^" : u"[";
    for (unsigned u = 0; u < units.size();) {
        if (!units[u]) {
            u++;
            continue;
        }
        unsigned last = u;
        while (last + 1 < units.size() && units[last + 1]) last++;
        AppendUnit(&out, u);
        if (last > u) {
            out.push_back('-');
            AppendUnit(&out, last);
        }
        u = last + 1;
    }
    out.push_back(']');
    return out;
}

}  // namespace platform
