// Undo and Redo as whole-image snapshots: every byte comes back, labels name the step, the
// saved state is known, the depth is bounded.

#include "core/app/code_plug_document.h"
#include "core/app/undo_history.h"
#include "core/channels/channel_rows.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

using namespace dpmr;
using dpmr::testing_support::RandomImage;

TEST(UndoHistory, UndoAndRedoRestoreEveryByteAndNameTheStep) {
    UndoHistory history;
    Image image = RandomImage(1);
    const Image first = image;
    history.Record(image, "paste of 12 channels");
    image = RandomImage(2);
    const Image second = image;
    history.Record(image, "Read");
    image = RandomImage(3);

    EXPECT_EQ(history.UndoLabel(), "Read");
    image = *history.Undo(image);
    EXPECT_EQ(image, second);
    EXPECT_EQ(history.UndoLabel(), "paste of 12 channels");
    EXPECT_EQ(history.RedoLabel(), "Read");
    image = *history.Undo(image);
    EXPECT_EQ(image, first);
    EXPECT_FALSE(history.Undo(image));
    image = *history.Redo(image);
    EXPECT_EQ(image, second);
    image = *history.Redo(image);
    EXPECT_EQ(image, RandomImage(3));
    EXPECT_FALSE(history.CanRedo());
}

TEST(UndoHistory, KnowsTheSavedStateAndForgetsItWhenItCanNoLongerBeReached) {
    UndoHistory history;
    Image image = RandomImage(1);
    EXPECT_TRUE(history.AtSavedState());
    history.Record(image, "a");
    image[0x200] ^= 1;
    EXPECT_FALSE(history.AtSavedState());
    history.MarkSaved();
    history.Record(image, "b");
    image[0x201] ^= 1;
    image = *history.Undo(image);
    EXPECT_TRUE(history.AtSavedState());
    image = *history.Undo(image);
    EXPECT_FALSE(history.AtSavedState());
    // A new change from before the save: the saved state is only on the dropped redo path.
    history.Record(image, "c");
    EXPECT_FALSE(history.AtSavedState());
    image = *history.Undo(image);
    EXPECT_FALSE(history.AtSavedState());
}

TEST(UndoHistory, KeepsTheNewestHundredSteps) {
    UndoHistory history;
    Image image;
    for (int i = 0; i < 150; ++i) {
        image[0x100] = static_cast<std::uint8_t>(i);
        history.Record(image, "step " + std::to_string(i));
    }
    EXPECT_EQ(history.UndoSteps(), 100u);
    EXPECT_EQ(history.UndoLabel(), "step 149");
    EXPECT_LT(history.MemoryBytes(), 2u * 1024 * 1024);
}

TEST(CodePlugDocument, UndoOfARowOperationReloadsTheTableAndClearsTheMark) {
    CodePlugDocument document;
    document.New();
    const Image saved = document.image;
    const Image before = document.image;
    ASSERT_TRUE(InsertEmptyChannel(document.image, 1));
    document.image[kScanPriorityChannel] = 3;
    EXPECT_TRUE(document.RecordChange(before, "insert of an empty channel"));
    EXPECT_TRUE(document.modified);
    EXPECT_FALSE(document.RecordChange(document.image, "nothing")); // no byte changed

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.image, saved);
    EXPECT_FALSE(document.modified);
    EXPECT_EQ(document.table.Cell(1, kColRxFreq), "");
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(document.image[kScanPriorityChannel], 3);
}
