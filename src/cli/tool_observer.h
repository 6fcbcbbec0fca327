#pragma once
// Watches an exchange for dpmr-tool: a progress line on stderr when stderr is a terminal, and
// the message the exchange ended with.

#include "core/link/radio_link.h"

#include <string>

namespace dpmr::cli {

class ToolObserver : public LinkObserver {
public:
    ToolObserver(std::string label, bool showProgress)
        : label_(std::move(label)), showProgress_(showProgress) {}
    ~ToolObserver() override { EndProgressLine(); }

    void DisableStart() override {}
    int StepProgress() override { return ++position_; }
    void SetPercentText(const std::string &text) override;
    void ShowMessage(const std::string &text, const std::string &detail) override;
    void RequestClose() override { EndProgressLine(); }

    const std::string &Message() const { return message_; }
    const std::string &Detail() const { return detail_; }

private:
    void EndProgressLine();

    std::string label_;
    bool showProgress_;
    bool lineOpen_ = false;
    int position_ = 0;
    std::string lastText_;
    std::string message_;
    std::string detail_;
};

} // namespace dpmr::cli
