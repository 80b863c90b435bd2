#include "app/window_events.h"

#include "app/generate.h"
#include "app/handlers.h"
#include "app/startup.h"

void DeliverCreated() {
    OnWindowCreated();
}

void DeliverClicked(Control control) {
    if (control == Control::按钮) {
        GenerateCommand();
        return;
    }
    const int service = ServiceOfRadio(control);
    if (service != 0) kRadioHandlers[service - 1]();
}

void DeliverTextChanged(Control control) {
    if (control == Control::编辑框1) OnInputTextChanged();
}

void DeliverKeyPressed(Control control, int keyCode, int modifiers) {
    if (control == Control::编辑框1) OnInputKeyPressed(keyCode, modifiers);
}
