#include "EventRouting.h"

#include <gtest/gtest.h>

using namespace cpl;

TEST(EventRoutingTest, IdAndHoverModeChooseTheTarget)
{
    using E = ObjectEvent;
    using T = EventTarget;
    struct Row {
        ObjectEvent Event;
        int32_t Id;
        int32_t HoverMode;
        EventTarget Target;
    } rows[] = {
        {E::LButtonUp, 42, 0, T::Bar},
        {E::LButtonUp, 0, 1, T::Bar},
        {E::LButtonUp, 150, 0, T::Themes},
        {E::LButtonUp, 250, 0, T::Options},
        {E::LButtonUp, 300, 0, T::None},
        {E::RButtonUp, 42, 0, T::None},
        {E::RButtonUp, 101, 0, T::Themes},
        {E::RButtonUp, 299, 0, T::Options},
        {E::LButtonDown, 102, 0, T::Themes},
        {E::LButtonDown, 250, 0, T::None},
        {E::DoubleClick, 199, 0, T::Themes},
        {E::MouseMove, 101, 0, T::Themes},
        {E::MouseMove, 6, 101, T::None},
        {E::Drag, 200, 0, T::None},
        {E::Drag, 201, 0, T::Options},
        {E::Drag, 299, 0, T::Options},
        {E::DragEnd, 204, 0, T::Options},
        {E::DragEnd, 150, 0, T::None},
        {E::MouseEnter, 6, 101, T::HoverState},
        {E::MouseEnter, 6, 1, T::None},
        {E::MouseLeave, 250, 101, T::HoverState},
        {E::MouseLeave, 250, 0, T::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "event " << static_cast<int>(row.Event) << ", id "
                                        << row.Id << ", hover mode " << row.HoverMode);
        EXPECT_EQ(row.Target, RouteEvent(row.Event, row.Id, row.HoverMode));
    }
}
