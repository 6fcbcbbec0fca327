#include "core/app/undo_history.h"

namespace dpmr {

namespace {

const std::string kNoLabel;

} // namespace

void UndoHistory::Record(const Image &before, std::string label) {
    if (depth_ == 0)
        return;
    undo_.push_back({before, std::move(label), position_});
    redo_.clear();
    position_ = next_++; // a new state; a saved state that was only reachable by Redo is gone
    while (undo_.size() > depth_)
        undo_.pop_front();
}

const std::string &UndoHistory::UndoLabel() const {
    return undo_.empty() ? kNoLabel : undo_.back().label;
}

const std::string &UndoHistory::RedoLabel() const {
    return redo_.empty() ? kNoLabel : redo_.back().label;
}

std::optional<Image> UndoHistory::Undo(const Image &current) {
    if (undo_.empty())
        return std::nullopt;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back({current, step.label, position_});
    position_ = step.position;
    return step.image;
}

std::optional<Image> UndoHistory::Redo(const Image &current) {
    if (redo_.empty())
        return std::nullopt;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back({current, step.label, position_});
    position_ = step.position;
    return step.image;
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    position_ = next_++;
    saved_ = position_;
}

std::size_t UndoHistory::MemoryBytes() const {
    std::size_t bytes = sizeof(*this);
    for (const auto *steps : {&undo_, &redo_})
        for (const Step &step : *steps)
            bytes += sizeof(Step) + step.label.capacity();
    return bytes;
}

} // namespace dpmr
