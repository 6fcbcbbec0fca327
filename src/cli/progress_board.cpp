#include "cli/progress_board.h"

#include <algorithm>

namespace dpmr::cli {

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

std::string Clock(std::chrono::milliseconds time) {
    const long long seconds = time.count() / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

} // namespace

ProgressBoard::ProgressBoard(std::FILE *out, bool enabled, std::vector<std::string> labels,
                             int totalBlocks)
    : out_(out), enabled_(enabled), total_(totalBlocks) {
    for (auto &label : labels) {
        labelWidth_ = std::max(labelWidth_, label.size());
        Slot slot;
        slot.label = std::move(label);
        slots_.push_back(std::move(slot));
    }
}

std::string ProgressBoard::FormatLine(const std::string &phase, int blocks, int total,
                                      std::chrono::milliseconds elapsed) {
    char text[160];
    const int percent = total > 0 ? blocks * 100 / total : 0;
    std::string left = "--:--";
    if (blocks > 0)
        left = Clock(elapsed * (total - blocks) / blocks);
    std::snprintf(text, sizeof text, "%-7s %3d/%d blocks %3d%%  %s elapsed  %s left", phase.c_str(),
                  blocks, total, percent, Clock(elapsed).c_str(), left.c_str());
    return text;
}

void ProgressBoard::StartPhase(std::size_t slot, const std::string &phase) {
    std::lock_guard lock(mutex_);
    Slot &s = slots_.at(slot);
    s.phase = phase;
    s.blocks = 0;
    s.running = true;
    s.started = std::chrono::steady_clock::now();
    s.elapsed = {};
    Draw(true);
}

void ProgressBoard::Step(std::size_t slot, int blocks) {
    std::lock_guard lock(mutex_);
    Slot &s = slots_.at(slot);
    s.blocks = blocks;
    s.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - s.started);
    Draw(blocks == total_);
}

void ProgressBoard::EndPhase(std::size_t slot, const std::string &state) {
    std::lock_guard lock(mutex_);
    Slot &s = slots_.at(slot);
    s.phase = state;
    s.running = false;
    Draw(true);
}

void ProgressBoard::Finish() {
    std::lock_guard lock(mutex_);
    Draw(true);
}

void ProgressBoard::Draw(bool force) {
    if (!enabled_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!force && drawn_ && now - lastDraw_ < kRedrawInterval)
        return;
    lastDraw_ = now;
    std::string frame;
    if (drawn_)
        frame += "\x1b[" + std::to_string(slots_.size()) + "A"; // back to the first line
    for (const Slot &s : slots_) {
        std::string label = s.label;
        label.resize(labelWidth_, ' ');
        frame += "\r\x1b[2K" + label + "  ";
        if (s.running)
            frame += FormatLine(s.phase, s.blocks, total_, s.elapsed);
        else if (s.blocks > 0) // ended: where and when
            frame += s.phase + " at block " + std::to_string(s.blocks) + "/" +
                     std::to_string(total_) + " after " + Clock(s.elapsed);
        else
            frame += s.phase;
        frame += '\n';
    }
    std::fputs(frame.c_str(), out_);
    std::fflush(out_);
    drawn_ = true;
}

} // namespace dpmr::cli
