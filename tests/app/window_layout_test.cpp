#include <gtest/gtest.h>

#include "app/window_layout.h"
#include "services/catalogue.h"

namespace {

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

TEST(WindowLayout, EveryControlLiesInsideTheClientAreaAndItsGroupBox) {
    const Rect client{0, 0, kClientWidth, kClientHeight};
    for (const ControlSpec& spec : kControls) {
        SCOPED_TRACE(spec.name);
        EXPECT_TRUE(Inside(ClientRectOf(spec.control), client));
        if (spec.parent >= 0) {
            EXPECT_EQ(kControls[spec.parent].kind, ControlKind::kGroupBox);
            EXPECT_TRUE(
                Inside(ClientRectOf(spec.control), ClientRectOf(kControls[spec.parent].control)));
        }
    }
}

TEST(WindowLayout, RadioButtonsReadRowByRowAreTheServicesInOrder) {
    int previousService = 0;
    Rect previous{-1, -1, 0, 0};
    for (const ControlSpec& spec : kControls) {
        if (spec.kind != ControlKind::kRadioButton) continue;
        const Rect rect = ClientRectOf(spec.control);
        EXPECT_TRUE(rect.y > previous.y || (rect.y == previous.y && rect.x > previous.x))
            << spec.name;
        const int service = ServiceOfRadio(spec.control);
        EXPECT_EQ(service, previousService + 1);
        EXPECT_EQ(std::string(spec.name), std::string("单选框_") + ServiceById(service)->key);
        EXPECT_EQ(InitialTextOf(spec.control), ServiceById(service)->caption);
        EXPECT_EQ(RadioOfService(service), spec.control);
        EXPECT_EQ(spec.selected, service == 1);
        previous = rect;
        previousService = service;
    }
    EXPECT_EQ(previousService, kServiceCount);
    EXPECT_EQ(ServiceOfRadio(Control::按钮), 0);
}

}  // namespace
