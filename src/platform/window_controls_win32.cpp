#include "platform/window_controls_win32.h"

#include "platform/window_ids_win32.h"
#include "platform/window_text_win32.h"

namespace platform {
namespace {

HWND mainWindow;
HWND controls[kControlCount];

const wchar_t* ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::kLabel:
            return L"STATIC";
        case ControlKind::kEditBox:
            return L"EDIT";
        default:
            return L"BUTTON";
    }
}

// 标签1 is one line centred both ways; 标签2 wraps from its top edge.
DWORD LabelStyle(Control control) {
    DWORD style = SS_CENTER | SS_NOPREFIX;
    if (control == Control::标签1) style |= SS_CENTERIMAGE;
    return style;
}

DWORD KindStyle(const ControlSpec& spec) {
    switch (spec.kind) {
        case ControlKind::kGroupBox:
            return BS_GROUPBOX | WS_GROUP;
        case ControlKind::kRadioButton:
            // One group of twelve, every button a tab stop of its own.
            return BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | WS_TABSTOP |
                   (spec.control == Control::单选框_tcn ? WS_GROUP : 0);
        case ControlKind::kLabel:
            return LabelStyle(spec.control) | WS_GROUP;
        case ControlKind::kEditBox:
            return ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP |
                   (spec.readOnly ? ES_READONLY : 0);
        case ControlKind::kPushButton:
            return BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP | WS_GROUP;
    }
    return 0;
}

DWORD StyleOf(const ControlSpec& spec) {
    DWORD style = WS_CHILD | KindStyle(spec);
    if (spec.visible) style |= WS_VISIBLE;
    if (!spec.enabled) style |= WS_DISABLED;
    return style;
}

// Character height 12, normal weight, the system's face for GB2312.
HFONT OwnFont() {
    static const HFONT font = [] {
        LOGFONTW logFont{};
        logFont.lfHeight = -12;
        logFont.lfWeight = FW_NORMAL;
        logFont.lfCharSet = GB2312_CHARSET;
        return CreateFontIndirectW(&logFont);
    }();
    return font;
}

HWND CreateControl(HWND window, const ControlSpec& spec) {
    const Rect rect = ClientRectOf(spec.control);
    const DWORD exStyle = spec.kind == ControlKind::kEditBox ? WS_EX_CLIENTEDGE : 0;
    const std::wstring text = WideFromGbk(InitialTextOf(spec.control));
    HWND child =
        CreateWindowExW(exStyle, ClassOf(spec.kind), text.c_str(), StyleOf(spec), rect.x, rect.y,
                        rect.width, rect.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(spec.control))),
                        GetModuleHandleW(nullptr), nullptr);
    HGDIOBJ font = spec.ownFont ? OwnFont() : GetStockObject(DEFAULT_GUI_FONT);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (spec.selected) SendMessageW(child, BM_SETCHECK, BST_CHECKED, 0);
    return child;
}

}  // namespace

void CreateControls(HWND window) {
    mainWindow = window;
    for (const ControlSpec& spec : kControls) {
        controls[IndexOf(spec.control)] = CreateControl(window, spec);
    }
}

HWND MainWindowHandle() {
    return mainWindow;
}

HWND ControlHandle(Control control) {
    return controls[IndexOf(control)];
}

bool ControlOfHandle(HWND child, Control& control) {
    if (!child || !ControlOfId(GetDlgCtrlID(child), control)) return false;
    return ControlHandle(control) == child;
}

HBRUSH ControlColours(HWND child, HDC dc) {
    Control control;
    if (!ControlOfHandle(child, control)) return nullptr;
    const ControlSpec& spec = SpecOf(control);
    if (spec.kind == ControlKind::kEditBox) {
        // Read-only edit boxes ask as statics do, and would be grey.
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    }
    if (!spec.coloured) return nullptr;
    SetTextColor(dc, RGB(spec.colour.red, spec.colour.green, spec.colour.blue));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace platform
