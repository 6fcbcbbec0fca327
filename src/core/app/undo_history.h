#pragma once
// Undo and Redo of every change to the code plug as whole-image snapshots: the image is 16 KB,
// so a hundred of them are cheap and restoring one is exact, with no rule per field.

#include "core/image/image.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace dpmr {

class UndoHistory {
public:
    static constexpr std::size_t kDefaultDepth = 100;
    explicit UndoHistory(std::size_t depth = kDefaultDepth) : depth_(depth) {}

    // A change was made; `before` is the image as it was. The redo steps are dropped and the
    // oldest step goes when the history is full. `label` names the change ("paste of 12
    // channels").
    void Record(const Image &before, std::string label);
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The label of the step Undo or Redo would take; empty when none.
    const std::string &UndoLabel() const;
    const std::string &RedoLabel() const;
    // The image to show instead of `current`; nullopt when there is nothing to take back.
    std::optional<Image> Undo(const Image &current);
    std::optional<Image> Redo(const Image &current);

    // The state shown now is the one in the file (after New, Open, Save).
    void MarkSaved() { saved_ = position_; }
    bool AtSavedState() const { return saved_ && *saved_ == position_; }
    // New or Open: no steps, and the state shown is the saved one.
    void Clear();

    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }
    // Bytes the snapshots and labels take, for the benchmark.
    std::size_t MemoryBytes() const;

private:
    struct Step {
        Image image;
        std::string label;
        long position; // the state this image is
    };
    std::size_t depth_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    long position_ = 0; // grows with each change, so states have names
    long next_ = 1;
    std::optional<long> saved_ = 0;
};

} // namespace dpmr
