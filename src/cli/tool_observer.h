#pragma once
// Watches one port's exchange for dpmr-tool: steps that port's progress line and keeps the
// message the exchange ended with.

#include "cli/progress_board.h"
#include "core/link/radio_link.h"

#include <string>

namespace dpmr::cli {

class ToolObserver : public LinkObserver {
public:
    ToolObserver(ProgressBoard &board, std::size_t slot) : board_(board), slot_(slot) {}

    void DisableStart() override {}
    int StepProgress() override {
        board_.Step(slot_, ++position_);
        return position_;
    }
    void SetPercentText(const std::string &) override {}
    void ShowMessage(const std::string &text, const std::string &detail) override {
        message_ = text;
        detail_ = detail;
    }
    void RequestClose() override {}

    const std::string &Message() const { return message_; }
    const std::string &Detail() const { return detail_; }

private:
    ProgressBoard &board_;
    std::size_t slot_;
    int position_ = 0;
    std::string message_;
    std::string detail_;
};

} // namespace dpmr::cli
