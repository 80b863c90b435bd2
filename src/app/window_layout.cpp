#include "app/window_layout.h"

#include "app/app_texts.h"
#include "services/catalogue.h"

namespace {

constexpr Rgb kNoColour{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{56, 145, 16};

// A radio button inside 分组框1 (index 0), 24 pixels high, with the window's colours.
constexpr ControlSpec Radio(Control control, const char* name, int x, int y, int width,
                            bool selected, bool ownFont) {
    return {control,  name,    ControlKind::kRadioButton,
            0,        x,       y,
            width,    24,      nullptr,
            true,     true,    selected,
            false,    ownFont, false,
            kNoColour};
}

}  // namespace

const char kWindowTitle[] = "Quenlov1.0   byTarvik";

// clang-format off
const ControlSpec kControls[kControlCount] = {
    {Control::分组框1, "分组框1", ControlKind::kGroupBox, -1, 14, 16, 377, 150,
     kGroupBox1Caption, true, true, false, false, false, false, kNoColour},
    Radio(Control::单选框_tcn, "单选框_tcn", 20, 27, 80, true, false),
    Radio(Control::单选框_sinalt, "单选框_sinalt", 105, 27, 80, false, false),
    Radio(Control::单选框_tim, "单选框_tim", 191, 27, 80, false, false),
    Radio(Control::单选框_tinyurl, "单选框_tinyurl", 276, 27, 91, false, true),
    Radio(Control::单选框_c7gg, "单选框_c7gg", 20, 68, 80, false, false),
    Radio(Control::单选框_kksme, "单选框_kksme", 105, 68, 80, false, false),
    Radio(Control::单选框_dwzmn, "单选框_dwzmn", 191, 68, 80, false, false),
    Radio(Control::单选框_ueeme, "单选框_ueeme", 276, 68, 80, false, false),
    Radio(Control::单选框_u6gg, "单选框_u6gg", 20, 109, 80, false, false),
    Radio(Control::单选框_jmp, "单选框_jmp", 105, 109, 80, false, false),
    Radio(Control::单选框_bitly, "单选框_bitly", 191, 109, 80, false, false),
    Radio(Control::单选框_googl, "单选框_googl", 276, 109, 80, false, false),
    {Control::标签1, "标签1", ControlKind::kLabel, -1, 8, 168, 392, 16,
     kOverseasNotice, false, true, false, false, true, true, kGreen},
    {Control::分组框2, "分组框2", ControlKind::kGroupBox, -1, 14, 190, 377, 58,
     kGroupBox2Caption, true, true, false, false, false, false, kNoColour},
    {Control::编辑框1, "编辑框1", ControlKind::kEditBox, 14, 14, 21, 348, 24,
     "", true, true, false, false, false, false, kNoColour},
    {Control::分组框3, "分组框3", ControlKind::kGroupBox, -1, 14, 256, 377, 58,
     kGroupBox3Caption, true, true, false, false, false, false, kNoColour},
    {Control::编辑框2, "编辑框2", ControlKind::kEditBox, 16, 14, 21, 348, 24,
     "", true, true, false, true, false, false, kNoColour},
    {Control::标签2, "标签2", ControlKind::kLabel, -1, 16, 334, 240, 32,
     kSameSourceNotice, true, true, false, false, false, true, kRed},
    {Control::按钮, "按钮", ControlKind::kPushButton, -1, 268, 330, 104, 32,
     kFetchingCaption, true, false, false, false, false, false, kNoColour},
};
// clang-format on

const ControlSpec& SpecOf(Control control) {
    return kControls[IndexOf(control)];
}

Rect ClientRectOf(Control control) {
    const ControlSpec& spec = SpecOf(control);
    Rect rect{spec.x, spec.y, spec.width, spec.height};
    if (spec.parent >= 0) {
        rect.x += kControls[spec.parent].x;
        rect.y += kControls[spec.parent].y;
    }
    return rect;
}

Text InitialTextOf(Control control) {
    const ControlSpec& spec = SpecOf(control);
    if (spec.text) return spec.text;
    return ServiceById(ServiceOfRadio(control))->caption;
}

Control RadioOfService(int serviceId) {
    return static_cast<Control>(IndexOf(Control::单选框_tcn) + serviceId - 1);
}

int ServiceOfRadio(Control control) {
    const int row = IndexOf(control) - IndexOf(Control::单选框_tcn);
    return row >= 0 && row < kServiceCount ? row + 1 : 0;
}
