// MainWindow as one table of controls. Every toolkit builds the window from this table, and
// the tests hold what a toolkit reports against it.
#pragma once

#include "text/text.h"

// In the order of the table; the twelve radio buttons are the services 1 to 12.
enum class Control {
    分组框1,
    单选框_tcn,
    单选框_sinalt,
    单选框_tim,
    单选框_tinyurl,
    单选框_c7gg,
    单选框_kksme,
    单选框_dwzmn,
    单选框_ueeme,
    单选框_u6gg,
    单选框_jmp,
    单选框_bitly,
    单选框_googl,
    标签1,
    分组框2,
    编辑框1,
    分组框3,
    编辑框2,
    标签2,
    按钮,
};
constexpr int kControlCount = 20;

enum class ControlKind { kGroupBox, kRadioButton, kLabel, kEditBox, kPushButton };

struct Rgb {
    unsigned char red, green, blue;
};

struct ControlSpec {
    Control control;
    const char* name;  // as the code names it, UTF-8 (for messages and test reports)
    ControlKind kind;
    int parent;  // index of the group box that holds it, or -1 for the window
    int x, y;    // relative to the parent's top-left corner
    int width, height;
    const char* text;  // GBK; null for a radio button, which shows its service's domain
    bool visible;
    bool enabled;
    bool selected;  // radio buttons
    bool readOnly;  // edit boxes
    bool ownFont;   // 12-pixel character height, weight 400, character set GB2312
    bool coloured;  // text in `colour` instead of the default
    Rgb colour;
};

extern const ControlSpec kControls[kControlCount];

extern const char kWindowTitle[];
constexpr int kWindowOuterWidth = 411;
constexpr int kWindowOuterHeight = 405;
// The client area that outer size leaves inside a fixed single frame with a title bar on
// Windows; on toolkits whose frame belongs to the window manager, this is the size to ask for.
constexpr int kClientWidth = 405;
constexpr int kClientHeight = 380;

// The window's background: the usual button-face colour.
constexpr Rgb kButtonFace{240, 240, 240};

struct Rect {
    int x, y, width, height;
};

const ControlSpec& SpecOf(Control control);
inline int IndexOf(Control control) {
    return static_cast<int>(control);
}
// The place in the client area, with the group box's offset added for a control inside one.
Rect ClientRectOf(Control control);
// The text a control is created with.
Text InitialTextOf(Control control);

// The radio button of a service (1 to 12), and the service of a radio button (0 for others).
Control RadioOfService(int serviceId);
int ServiceOfRadio(Control control);
