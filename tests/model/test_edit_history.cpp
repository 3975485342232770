// The undo history: steps recorded once per change, undo and redo to both ends, the saved state
// recognised, redo dropped by a new edit, the oldest step dropped when full.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/edit_history.h"

namespace dz {
namespace {

TEST(EditHistory, UndoAndRedoWalkTheRecordedValues) {
    EditHistory<std::string> h;
    h.Reset("opened");
    EXPECT_FALSE(h.CanUndo());
    EXPECT_TRUE(h.AtSaved());
    EXPECT_TRUE(h.Record("a"));
    EXPECT_FALSE(h.Record("a")) << "an edit that changed nothing is no step";
    EXPECT_TRUE(h.Record("ab"));
    EXPECT_FALSE(h.AtSaved());
    EXPECT_EQ(*h.Undo(), "a");
    EXPECT_EQ(*h.Undo(), "opened");
    EXPECT_TRUE(h.AtSaved()) << "back where it was opened: nothing to save";
    EXPECT_EQ(h.Undo(), nullptr);
    EXPECT_EQ(*h.Redo(), "a");
    EXPECT_EQ(*h.Redo(), "ab");
    EXPECT_EQ(h.Redo(), nullptr);
    EXPECT_EQ(h.Current(), "ab");
    h.MarkSaved("ab as saved");
    EXPECT_EQ(h.Steps(), 2u) << "saving is no step";
    EXPECT_EQ(*h.Undo(), "a");
    EXPECT_EQ(*h.Redo(), "ab as saved");
    EXPECT_TRUE(h.AtSaved());
}

TEST(EditHistory, ANewEditDropsWhatWasUndoneAndASaveMovesTheSavedState) {
    struct Case {
        const char* name;
        std::vector<std::string> actions;  // "+x" record x, "u" undo, "r" redo, "s" save
        std::string current;
        bool atSaved;
        bool canRedo;
    };
    const Case cases[] = {
        {"redo dropped by an edit", {"+a", "+b", "u", "+c"}, "c", false, false},
        {"saved, edited, undone to the save", {"+a", "s", "+b", "u"}, "a", true, true},
        {"saved state undone and replaced", {"+a", "s", "u", "+z"}, "z", false, false},
        {"undone past the save, redone to it", {"+a", "+b", "s", "u", "u", "r", "r"}, "b", true, false},
    };
    for (const Case& c : cases) {
        EditHistory<std::string> h;
        h.Reset("opened");
        for (const std::string& a : c.actions) {
            if (a[0] == '+') h.Record(a.substr(1));
            else if (a == "u") h.Undo();
            else if (a == "r") h.Redo();
            else if (a == "s") h.MarkSaved(h.Current());
        }
        EXPECT_EQ(h.Current(), c.current) << c.name;
        EXPECT_EQ(h.AtSaved(), c.atSaved) << c.name;
        EXPECT_EQ(h.CanRedo(), c.canRedo) << c.name;
    }
}

TEST(EditHistory, AThousandStepsAreKeptAndTheOldestGoesFirst) {
    EditHistory<int> h;
    h.Reset(0);
    for (int i = 1; i <= 1005; ++i) h.Record(i);
    EXPECT_EQ(h.Steps(), 1000u);
    int undone = 0;
    while (h.Undo()) ++undone;
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(h.Current(), 5) << "the five oldest steps went";
    EXPECT_FALSE(h.AtSaved()) << "the opened state is no longer in the history";
}

}  // namespace
}  // namespace dz
