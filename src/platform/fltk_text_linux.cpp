#include "platform/fltk_text_linux.h"

#include <FL/fl_draw.H>

#include "text/encoding.h"

namespace platform {

namespace {

size_t Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

bool WordByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// One line of text without breaks, wrapped.
std::string WrapLine(const std::string& line, int width) {
    std::string out;
    size_t start = 0;  // where the current output line begins in `line`
    size_t at = 0;
    while (at < line.size()) {
        const size_t next = at + Utf8Length(static_cast<unsigned char>(line[at]));
        if (at > start && fl_width(line.data() + start, static_cast<int>(next - start)) > width) {
            size_t cut = at;
            // Inside a run of letters: break before the run if the run itself fits a line.
            if (WordByte(line[at]) && WordByte(line[at - 1])) {
                size_t runStart = at;
                while (runStart > start && WordByte(line[runStart - 1])) runStart--;
                if (runStart > start) cut = runStart;
            }
            out.append(line, start, cut - start);
            out += '\n';
            start = cut;
            at = cut;
            continue;
        }
        at = next;
    }
    out.append(line, start, std::string::npos);
    return out;
}

}  // namespace

std::string ToolkitText(const Text& gbk) {
    std::string utf8 = TextToUtf8(gbk);
    std::string out;
    for (size_t i = 0; i < utf8.size(); i++) {
        if (utf8[i] == '\r') {
            out += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') i++;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

Text FromToolkitText(const char* utf8) {
    return utf8 ? Utf8ToText(utf8) : Text();
}

std::string WrapToWidth(const std::string& utf8, int font, int size, int width) {
    fl_font(font, size);
    std::string out;
    size_t start = 0;
    for (;;) {
        const size_t end = utf8.find('\n', start);
        out += WrapLine(utf8.substr(start, end - start), width);
        if (end == std::string::npos) break;
        out += '\n';
        start = end + 1;
    }
    return out;
}

}  // namespace platform
