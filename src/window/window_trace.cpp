#include "window/window_trace.h"

#include "platform/window.h"
#include "text/encoding.h"

std::string TraceValue(const Text& gbk) {
    std::string out;
    for (char c : TextToUtf8(gbk)) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

void TracedWindow::Write(const char* what, const char* name, const Text& value) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::fprintf(trace_, "%s %s %s\n", what, name, TraceValue(value).c_str());
    std::fflush(trace_);
}

void TracedWindow::SetControlText(Control control, const Text& text) {
    window_->SetControlText(control, text);
    Write("text", SpecOf(control).name, window_->ControlText(control));
}

void TracedWindow::SetControlEnabled(Control control, bool enabled) {
    window_->SetControlEnabled(control, enabled);
    Write("enabled", SpecOf(control).name, enabled ? "1" : "0");
}

void TracedWindow::SetControlVisible(Control control, bool visible) {
    window_->SetControlVisible(control, visible);
    Write("visible", SpecOf(control).name, visible ? "1" : "0");
}

void TracedWindow::ShowError(const Text& message, const Text& title) {
    Write("error", "-", message);
    window_->ShowError(message, title);
}

bool TracedWindow::AskYesNo(const Text& question, const Text& title) {
    Write("question", "-", question);
    return window_->AskYesNo(question, title);
}

void WriteLayoutReport(std::FILE* out) {
    const Rect client = platform::ReportedClientArea();
    std::fprintf(out, "client %d %d\n", client.width, client.height);
    for (const ControlSpec& spec : kControls) {
        const Rect r = platform::ReportedControlRect(spec.control);
        std::fprintf(out, "%s %d %d %d %d\n", spec.name, r.x, r.y, r.width, r.height);
    }
    std::fflush(out);
}
