#include <gtest/gtest.h>

#include "model/ParamImage.h"
#include "model/UndoHistory.h"

using namespace tarvel;

namespace {

// Commit number n: distinct in the spare bytes too, which the snapshots carry.
ParamImage commit(int n)
{
    ParamImage image;
    image[fld::baseAdvance] = static_cast<std::uint8_t>(n);
    image[fld::limiter] = static_cast<std::uint8_t>(n >> 8);
    image.spare()[6] = static_cast<std::uint8_t>(n * 7);
    return image;
}

}  // namespace

TEST(UndoHistory, StartsWithNothingToUndoOrRedo)
{
    UndoHistory history;
    history.init(commit(0), 2);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.undo());
    EXPECT_FALSE(history.redo());
    EXPECT_EQ(history.currentSnapshot().tab, 2);
}

TEST(UndoHistory, UnchangedImageTakesNoSnapshot)
{
    UndoHistory history;
    history.init(commit(0), 0);
    EXPECT_FALSE(history.push(commit(0), 3));
    EXPECT_FALSE(history.canUndo());
    ParamImage spareOnly = commit(0);
    spareOnly.spare()[0] = 1;  // the comparison covers all 207 bytes
    EXPECT_TRUE(history.push(spareOnly, 3));
    EXPECT_TRUE(history.canUndo());
}

TEST(UndoHistory, RingKeeps199StepsAfterWrapping)
{
    UndoHistory history;
    history.init(commit(0), 0);
    for (int n = 1; n <= 250; ++n)
        ASSERT_TRUE(history.push(commit(n), static_cast<std::uint8_t>(n % 5)));
    std::optional<UndoHistory::Snapshot> state;
    for (int step = 0; step < 199; ++step) {
        state = history.undo();
        ASSERT_TRUE(state) << "undo " << step + 1;
    }
    EXPECT_EQ(state->image, commit(51));
    EXPECT_EQ(state->tab, 51 % 5);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo());
    EXPECT_EQ(history.currentSnapshot().image, commit(51));

    for (int step = 0; step < 199; ++step)
        ASSERT_TRUE(history.redo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.currentSnapshot().image, commit(250));
}

TEST(UndoHistory, NewCommitAfterUndoDropsRedo)
{
    UndoHistory history;
    history.init(commit(0), 0);
    history.push(commit(1), 1);
    history.push(commit(2), 4);
    auto back = history.undo();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->image, commit(1));
    EXPECT_EQ(back->tab, 1);
    EXPECT_TRUE(history.canRedo());
    EXPECT_TRUE(history.push(commit(3), 2));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo()->image, commit(1));
    EXPECT_EQ(history.undo()->image, commit(0));
}
