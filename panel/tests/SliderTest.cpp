// Slider knobs: where a value puts them, what a drag reports, and the
// report on release.

#include "PanelFactories.h"
#include "PanelState.h"
#include "PanelTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::vector<int> g_reported;

void RecordValue(CQVSliderObj*, int value)
{
    g_reported.push_back(value);
}

class SliderTest : public PanelTreeTest {
protected:
    void SetUp() override
    {
        PanelTreeTest::SetUp();
        g_reported.clear();
        PanelSliderReport = RecordValue;
    }
    void TearDown() override
    {
        PanelSliderReport = OnSliderValue;
        PanelTreeTest::TearDown();
    }

    CQVSliderObj* Knob(int trackMin, int trackMax, int valueMin, int valueMax, int y = 40)
    {
        CQVSliderObj* knob =
            CreateSlider(Root(), trackMin, y, trackMin, trackMax, valueMin, valueMax);
        EXPECT_NE(nullptr, knob);
        return knob;
    }

    // Drags the knob as the toolkit does: towards a proposed top-left.
    static void DragTo(CQVSliderObj* knob, int x, int y) { knob->OnDrag(0, 0, x, y); }
};

}  // namespace

TEST_F(SliderTest, SetSliderValuePutsTheKnobAlongItsTrack)
{
    struct Case {
        int TrackMin, TrackMax, ValueMin, ValueMax, Value, Position;
    };
    const Case cases[] = {
        {20, 220, -100, 100, 37, 157},  {20, 220, -100, 100, 150, 220},
        {20, 220, -100, 100, -300, 20}, {0, 180, 0, 255, 200, 141},
        {50, 50, 0, 10, 7, 50},         {20, 220, 5, 5, 5, 20},
        {20, 220, 5, 5, 9, 20},         {0, 100, INT_MIN, INT_MAX, 0, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "track " << c.TrackMin << ".." << c.TrackMax << " range " << c.ValueMin
                     << ".." << c.ValueMax << " value " << c.Value);
        CQVSliderObj* knob = Knob(c.TrackMin, c.TrackMax, c.ValueMin, c.ValueMax);
        EXPECT_EQ(1, SetSliderValue(knob, c.Value));
        EXPECT_EQ(c.Position, knob->VisibleX);
        EXPECT_EQ(40, knob->VisibleY) << "the other coordinate stays";
    }
    EXPECT_EQ(0, SetSliderValue(nullptr, 3));
}

TEST_F(SliderTest, ADragStaysOnTheTrackAndReportsTheValueThere)
{
    struct Case {
        const char* Name;
        int TrackMin, TrackMax, ValueMin, ValueMax;
        bool Vertical;
        int ToX, ToY;
        int Reported, X, Y;
    };
    const Case cases[] = {
        {"inside", 0, 180, 0, 255, false, 141, 90, 199, 141, 40},
        {"past the right end", 20, 220, -100, 100, false, 999, 0, 100, 220, 40},
        {"past the left end", 20, 220, -100, 100, false, -999, 0, -100, 20, 40},
        {"vertical, top is the maximum", 0, 100, 0, 50, true, 7, 30, 35, 0, 30},
        {"vertical, above the track", 0, 100, 0, 50, true, 7, -60, 50, 0, 0},
        {"equal track ends", 30, 30, 0, 100, false, 80, 0, 0, 30, 40},
        {"equal range ends", 0, 100, 8, 8, false, 60, 0, 8, 0, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        g_reported.clear();
        CQVSliderObj* knob = Knob(c.TrackMin, c.TrackMax, c.ValueMin, c.ValueMax);
        knob->Vertical = c.Vertical ? 1 : 0;
        if (c.Vertical)
            knob->MoveTo(0, c.TrackMax);
        DragTo(knob, c.ToX, c.ToY);
        EXPECT_EQ(std::vector<int>{c.Reported}, g_reported);
        EXPECT_EQ(c.X, knob->VisibleX);
        EXPECT_EQ(c.Y, knob->VisibleY);
    }
}

TEST_F(SliderTest, AReportOnReleaseSliderReportsOnceWhenTheDragEnds)
{
    CQVSliderObj* knob = Knob(20, 220, -100, 100);
    knob->ReportOnRelease = 1;
    DragTo(knob, 60, 0);
    DragTo(knob, 120, 0);
    DragTo(knob, 170, 0);
    EXPECT_TRUE(g_reported.empty());
    knob->OnDragEnd();
    EXPECT_EQ(std::vector<int>{50}, g_reported);

    knob->ReportOnRelease = 0;
    g_reported.clear();
    knob->OnDragEnd();
    EXPECT_TRUE(g_reported.empty()) << "a slider that reported while dragging is done";
}
