#include "app/handlers.h"

#include <mutex>

#include "app/app_state.h"

namespace {

std::mutex longUrlMutex;
Text* longUrl = new Text;  // never released: workers may read it while the program ends

// Services 10 to 12 are the ones 标签1 warns about.
constexpr bool ShowsNotice(int serviceId) {
    return serviceId >= 10;
}

}  // namespace

template <int ServiceId>
void OnServiceRadioClicked() {
    WindowPort* window = MainWindow.load();
    if (!window->IsControlSelected(RadioOfService(ServiceId))) return;
    window->SetControlVisible(Control::标签1, ShowsNotice(ServiceId));
    SelectedService = ServiceId;
}

const RadioHandler kRadioHandlers[12] = {
    OnServiceRadioClicked<1>,  OnServiceRadioClicked<2>,  OnServiceRadioClicked<3>,
    OnServiceRadioClicked<4>,  OnServiceRadioClicked<5>,  OnServiceRadioClicked<6>,
    OnServiceRadioClicked<7>,  OnServiceRadioClicked<8>,  OnServiceRadioClicked<9>,
    OnServiceRadioClicked<10>, OnServiceRadioClicked<11>, OnServiceRadioClicked<12>,
};

void OnInputTextChanged() {
    WindowPort* window = MainWindow.load();
    Text typed = window->ControlText(Control::编辑框1);
    {
        std::lock_guard<std::mutex> lock(longUrlMutex);
        *longUrl = typed;
    }
    window->SetControlText(Control::编辑框2, Text());
}

Text CurrentLongUrl() {
    std::lock_guard<std::mutex> lock(longUrlMutex);
    return *longUrl;
}
