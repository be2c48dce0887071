// Clicks reach the list as the event loop passes them on: a mouse-down through WaitNextEvent,
// made local and handed to LClick, which tracks the button until it comes up.
#include "ListFixture.h"

namespace {

class ListClick : public ListFixture {
  protected:
    struct Outcome {
        bool twice;
        std::string summary;
    };

    std::vector<Outcome> Clicks(ListHandle list) {
        std::vector<Outcome> outcomes;
        while (!driver_->ScriptEndedEarly()) {
            EventRecord event;
            if (!WaitNextEvent(mDownMask, &event, 10, nullptr)) continue;
            GlobalToLocal(&event.where);
            bool twice = LClick(event.where, event.modifiers, list);
            outcomes.push_back({twice, Summary()});
        }
        return outcomes;
    }

    // Local points: cells are 184 by 16 from (16, 64); the scroll bar's arrows are the 15
    // pixels at either end of x 385 to 400, y 64 to 240.
    static std::string At(SInt16 h, SInt16 v) {
        Point global = Global(h, v);
        return std::to_string(global.h) + " " + std::to_string(global.v);
    }

    static bool Selected(ListHandle list, SInt16 row, SInt16 column) {
        Cell cell{row, column};
        return LGetSelect(false, &cell, list);
    }
};

} // namespace

TEST_F(ListClick, OneCellAtATimeWhateverTheModifiersAndEmptySpaceSelectsNothing) {
    Script("click row 2\n"
           "click " +
           At(292, 120) +
           " shift\n"
           "click " +
           At(292, 120) +
           " cmd\n"
           "click " +
           At(200, 184) + "\n");
    ListHandle list = Make(5);
    std::vector<Outcome> outcomes = Clicks(list);
    ASSERT_EQ(outcomes.size(), 4u);
    EXPECT_EQ(outcomes[0].summary, "list 5 rows x 2 columns, top row 0, selected row 2");
    EXPECT_EQ(outcomes[1].summary, "list 5 rows x 2 columns, top row 0, selected row 3");
    EXPECT_EQ(outcomes[2].summary, outcomes[1].summary);
    EXPECT_EQ(outcomes[3].summary, "list 5 rows x 2 columns, top row 0, nothing selected");
}

TEST_F(ListClick, ADoubleClickIsReportedOnceOnTheSecondClickOfTheSameCell) {
    Script("doubleclick row 2\n"
           "click row 2\n"
           "doubleclick row 1 column 1\n");
    ListHandle list = Make(5);
    std::vector<bool> twice;
    for (const Outcome& outcome : Clicks(list))
        twice.push_back(outcome.twice);
    EXPECT_EQ(twice, (std::vector<bool>{false, true, false, false, true}));

    // A third click at once begins a new pair rather than completing another.
    Point cell{72, 100};
    EXPECT_FALSE(LClick(cell, 0, list));
    EXPECT_TRUE(LClick(cell, 0, list));
    EXPECT_FALSE(LClick(cell, 0, list));
}

TEST_F(ListClick, ShiftExtendsAndCommandTogglesOnlyWhereTheFlagsAllow) {
    Script("click row 1\n"
           "click " +
           At(292, 120) +
           " shift\n"
           "click " +
           At(108, 104) + " cmd\n");
    ListHandle list = Make(5, 0);
    Clicks(list);
    EXPECT_TRUE(Selected(list, 1, 1));
    EXPECT_TRUE(Selected(list, 3, 0));
    EXPECT_FALSE(Selected(list, 2, 0)); // toggled off again
    EXPECT_TRUE(Selected(list, 2, 1));

    Script("click " + At(292, 120) +
           " shift\n"
           "click " +
           At(108, 104) + " cmd\n");
    SetListSelectionFlags(list, lNoExtend | lNoDisjoint);
    Clicks(list);
    EXPECT_EQ(Summary(), "list 5 rows x 2 columns, top row 0, selected row 2");
    EXPECT_FALSE(Selected(list, 2, 1));
}

TEST_F(ListClick, TheScrollBarsArrowsPagesAndThumbScrollByRows) {
    Script("click " + At(392, 232) +
           "\n"
           "click " +
           At(392, 200) +
           "\n"
           "hold " +
           At(392, 232) +
           " 3\n"
           "drag " +
           At(392, 182) + " to " + At(392, 300) +
           "\n" // the thumb at value 14
           "click " +
           At(392, 70) +
           "\n"
           "click row 5\n");
    ListHandle list = Make(30);
    std::vector<Outcome> outcomes = Clicks(list);
    ASSERT_EQ(outcomes.size(), 5u);
    EXPECT_EQ(outcomes[0].summary, "list 30 rows x 2 columns, top row 1, nothing selected");
    EXPECT_EQ(outcomes[1].summary, "list 30 rows x 2 columns, top row 11, nothing selected");
    EXPECT_EQ(outcomes[2].summary, "list 30 rows x 2 columns, top row 14, nothing selected");
    EXPECT_EQ(outcomes[3].summary, "list 30 rows x 2 columns, top row 19, nothing selected");
    EXPECT_EQ(outcomes[4].summary, "list 30 rows x 2 columns, top row 18, nothing selected");
    EXPECT_EQ(GetControlValue(GetListVerticalScrollBar(list)), 18);
    // Row 5 lies above the rows shown, so the script cannot reach it.
    EXPECT_THAT(Messages(), ::testing::HasSubstr("line 6: the front window has no such place"));
}
