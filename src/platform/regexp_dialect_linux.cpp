// The pattern object's dialect rewritten for PCRE2's 16-bit library in non-UTF mode, where a
// character is one UTF-16 unit as it is for the pattern object.
//
// The translation runs over the pattern once, without recursion, so that deeply nested groups
// cost no stack. It checks the pattern as the pattern object does: a quantifier needs something
// to repeat (not an assertion, not another quantifier), "{" is a literal unless it reads as a
// repetition count, groups must balance and classes must end.
#include "platform/regexp_engine_linux.h"

namespace platform {
namespace {

// The pattern object ends a line at LF, CR, U+2028 and U+2029, one unit each: "." matches none
// of them, and "^" and "$" in multi-line mode see a line end at each (also between CR and LF).
const char16_t kNotLineEnd[] = u"[^\\x{a}\\x{d}\\x{2028}\\x{2029}]";

constexpr unsigned kMaxCount = 0xFFFF;

bool IsDigit(char16_t c) {
    return c >= '0' && c <= '9';
}
bool IsOctal(char16_t c) {
    return c >= '0' && c <= '7';
}
bool IsAsciiLetter(char16_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int HexValue(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void Append(std::u16string* out, const char* ascii) {
    while (*ascii) out->push_back(static_cast<char16_t>(*ascii++));
}

void AppendNumber(std::u16string* out, unsigned value) {
    Append(out, std::to_string(value).c_str());
}

void AppendLiteral(std::u16string* out, unsigned unit) {
    if (unit < 128 && (IsAsciiLetter(static_cast<char16_t>(unit)) || IsDigit(unit))) {
        out->push_back(static_cast<char16_t>(unit));
        return;
    }
    Append(out, "\\x{");
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    do {
        hex.insert(hex.begin(), kHex[unit & 15]);
        unit >>= 4;
    } while (unit);
    Append(out, hex.c_str());
    out->push_back('}');
}

// Capturing groups: every "(" outside a class that does not start "(?".
int CountGroups(const WideText& p) {
    int groups = 0;
    bool inClass = false;
    for (size_t i = 0; i < p.size(); i++) {
        if (p[i] == '\\') {
            i++;
        } else if (inClass) {
            inClass = p[i] != ']';
        } else if (p[i] == '[') {
            inClass = true;
        } else if (p[i] == '(' && (i + 1 == p.size() || p[i + 1] != '?')) {
            groups++;
        }
    }
    return groups;
}

// A decimal number at p[i], saturated above kMaxCount + 1 so that it cannot overflow.
unsigned ReadDecimal(const WideText& p, size_t& i) {
    unsigned value = 0;
    while (i < p.size() && IsDigit(p[i])) {
        value = value * 10 + (p[i++] - '0');
        if (value > kMaxCount + 1) value = kMaxCount + 1;
    }
    return value;
}

struct Count {
    unsigned min = 0;
    unsigned max = 0;  // kMaxCount + 1 stands for no upper bound
    bool bounded = true;
};

// "{n}", "{n,}" or "{n,m}" at p[i]; true when the text has that form, whatever the numbers.
bool ReadCount(const WideText& p, size_t& i, Count* count) {
    size_t at = i + 1;
    if (at >= p.size() || !IsDigit(p[at])) return false;
    count->min = ReadDecimal(p, at);
    count->max = count->min;
    if (at < p.size() && p[at] == ',') {
        at++;
        count->bounded = at < p.size() && IsDigit(p[at]);
        if (count->bounded) count->max = ReadDecimal(p, at);
    }
    if (at >= p.size() || p[at] != '}') return false;
    i = at + 1;
    return true;
}

class Translator {
  public:
    Translator(const WideText& pattern, bool multiline)
        : p_(pattern), multiline_(multiline), groups_(CountGroups(pattern)) {}

    bool Run(std::u16string* out, int* groups) {
        while (i_ < p_.size()) {
            if (!Step()) return false;
        }
        if (openGroups_ != 0) return false;
        *out = std::move(out_);
        *groups = groups_;
        return true;
    }

  private:
    bool Step() {
        char16_t c = p_[i_];
        switch (c) {
            case '|':
                return Emit(1, u"|", false);
            case '(':
                return OpenGroup();
            case ')':
                if (openGroups_ == 0) return false;
                openGroups_--;
                return Emit(1, u")", true);
            case '*':
            case '+':
            case '?':
                return Quantifier();
            case '{':
                return Brace();
            case '^':
                return Emit(1, multiline_ ? u"(?<!" + Line() + u")" : u"\\A", false);
            case '$':
                return Emit(1, multiline_ ? u"(?!" + Line() + u")" : u"\\z", false);
            case '[':
                return Class();
            case '.':
                return Emit(1, kNotLineEnd, true);
            case '\\':
                return Escape();
            default:
                i_++;
                return Literal(c);
        }
    }

    static std::u16string Line() { return kNotLineEnd; }

    bool Emit(size_t length, const std::u16string& text, bool repeatable) {
        i_ += length;
        out_ += text;
        repeatable_ = repeatable;
        return true;
    }

    bool Literal(unsigned unit) {
        AppendLiteral(&out_, unit);
        repeatable_ = true;
        return true;
    }

    bool OpenGroup() {
        openGroups_++;
        if (p_.compare(i_, 3, u"(?:") == 0) return Emit(3, u"(?:", false);
        if (p_.compare(i_, 3, u"(?=") == 0) return Emit(3, u"(?=", false);
        if (p_.compare(i_, 3, u"(?!") == 0) return Emit(3, u"(?!", false);
        return Emit(1, u"(", false);
    }

    // "*", "+" and "?", each perhaps made lazy by a "?" after it.
    bool Quantifier() {
        if (!repeatable_) return false;
        out_.push_back(p_[i_++]);
        return Lazy();
    }

    bool Brace() {
        Count count;
        size_t at = i_;
        if (!ReadCount(p_, at, &count)) {
            i_++;
            return Literal('{');
        }
        if (!repeatable_ || count.min > kMaxCount || count.max > kMaxCount ||
            count.min > count.max) {
            return false;
        }
        i_ = at;
        out_.push_back('{');
        AppendNumber(&out_, count.min);
        if (!count.bounded) {
            out_.push_back(',');
        } else if (count.max != count.min) {
            out_.push_back(',');
            AppendNumber(&out_, count.max);
        }
        out_.push_back('}');
        return Lazy();
    }

    bool Lazy() {
        if (i_ < p_.size() && p_[i_] == '?') out_.push_back(p_[i_++]);
        repeatable_ = false;
        return true;
    }

    // The body runs to the first "]" that no backslash escapes; a leading "^" negates.
    bool Class() {
        size_t end = i_ + 1;
        while (end < p_.size() && p_[end] != ']') end += p_[end] == '\\' ? 2 : 1;
        if (end >= p_.size()) return false;
        WideText body = p_.substr(i_ + 1, end - i_ - 1);
        bool negate = !body.empty() && body[0] == '^';
        if (negate) body.erase(0, 1);
        UnitSet units;
        if (!ReadClassBody(body, &units)) return false;
        return Emit(end + 1 - i_, ClassToPcre(units, negate), true);
    }

    bool Escape() {
        i_++;
        if (i_ == p_.size()) return false;
        char16_t e = p_[i_++];
        UnitSet units;
        switch (e) {
            case 'b':
                return Emit(0, u"\\b", false);
            case 'B':
                return Emit(0, u"\\B", false);
            case 'f':
                return Literal(0x0C);
            case 'n':
                return Literal(0x0A);
            case 'r':
                return Literal(0x0D);
            case 't':
                return Literal(0x09);
            case 'v':
                return Literal(0x0B);
            case 'c':
                if (i_ < p_.size() && IsAsciiLetter(p_[i_])) return Literal(p_[i_++] & 0x1F);
                i_--;
                return Literal('\\');
            case 'x':
                return Hex(2);
            case 'u':
                return Hex(4);
            case '0':
                return Octal(0);
            default:
                break;
        }
        if (IsDigit(e)) return Backreference();
        if (ClassEscapeUnits(e, &units)) {
            bool negated = e == 'D' || e == 'S' || e == 'W';
            return Emit(0, ClassToPcre(negated ? ~units : units, negated), true);
        }
        return Literal(e);
    }

    // A digit that does not read as a hex digit makes the escape the letter itself; the end of
    // the pattern just ends the number.
    bool Hex(int digits) {
        const size_t afterLetter = i_;
        unsigned value = 0;
        for (int k = 0; k < digits && i_ < p_.size(); k++) {
            int digit = HexValue(p_[i_++]);
            if (digit < 0) {
                i_ = afterLetter;
                return Literal(p_[afterLetter - 1]);
            }
            value = value * 16 + static_cast<unsigned>(digit);
        }
        return Literal(value);
    }

    // Octal digits after `value`, as many as keep it below 256.
    bool Octal(unsigned value) {
        while (i_ < p_.size() && IsOctal(p_[i_]) && 8 * value + (p_[i_] - '0') <= 0377) {
            value = 8 * value + (p_[i_++] - '0');
        }
        return Literal(value);
    }

    // "\" and digits refer to a group when the number is not above the pattern's group count;
    // otherwise they are an octal escape, or, from "\8" and "\9", a backslash and the digits.
    bool Backreference() {
        const size_t firstDigit = i_ - 1;
        i_ = firstDigit;
        unsigned number = ReadDecimal(p_, i_);
        if (number <= static_cast<unsigned>(groups_)) {
            Append(&out_, "(?:\\g{");
            AppendNumber(&out_, number);
            Append(&out_, "})");
            repeatable_ = true;
            return true;
        }
        i_ = firstDigit;
        if (p_[firstDigit] >= '8') return Literal('\\');
        return Octal(0);
    }

    const WideText& p_;
    const bool multiline_;
    const int groups_;
    size_t i_ = 0;
    int openGroups_ = 0;
    bool repeatable_ = false;
    std::u16string out_;
};

}  // namespace

bool TranslatePattern(const WideText& pattern, bool multiline, std::u16string* pcre, int* groups) {
    return Translator(pattern, multiline).Run(pcre, groups);
}

}  // namespace platform
