// The pattern object's group references in a replacement.
#include "platform/regexp_engine_linux.h"

namespace platform {
namespace {

bool IsDigit(char16_t c) {
    return c >= '0' && c <= '9';
}

// "$" and one or two digits: two when they name an existing group, else one when it does; a
// "$" that starts no reference stands for itself. Returns the units read after the "$".
size_t GroupReference(const MatchList& m, size_t match, const WideText& r, size_t dollar,
                      WideText* out) {
    unsigned groups = static_cast<unsigned>(m.groups);
    unsigned first = r[dollar + 1] - '0';
    size_t used = 1;
    unsigned group = first;
    if (dollar + 2 < r.size() && IsDigit(r[dollar + 2]) &&
        first * 10 + (r[dollar + 2] - '0') <= groups) {
        group = first * 10 + (r[dollar + 2] - '0');
        used = 2;
    } else if (first == 0 || first > groups) {
        out->push_back('$');
        return 0;
    }
    *out += m.Text(match, static_cast<int>(group));
    return used;
}

}  // namespace

WideText ExpandReplacement(const MatchList& m, size_t match, const WideText& r) {
    WideText out;
    const WideText& s = m.subject;
    const size_t start = static_cast<size_t>(m.Start(match, 0));
    const size_t end = static_cast<size_t>(m.End(match, 0));
    for (size_t i = 0; i < r.size(); i++) {
        if (r[i] != '$' || i + 1 == r.size()) {
            out.push_back(r[i]);
            continue;
        }
        switch (r[i + 1]) {
            case '$':
                out.push_back('$');
                i++;
                break;
            case '&':
                out.append(s, start, end - start);
                i++;
                break;
            case '`':
                out.append(s, 0, start);
                i++;
                break;
            case '\'':
                out.append(s, end, WideText::npos);
                i++;
                break;
            default:
                if (IsDigit(r[i + 1])) {
                    i += GroupReference(m, match, r, i, &out);
                } else {
                    out.push_back('$');
                }
        }
    }
    return out;
}

}  // namespace platform
