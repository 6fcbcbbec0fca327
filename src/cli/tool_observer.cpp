#include "cli/tool_observer.h"

#include <cstdio>

namespace dpmr::cli {

void ToolObserver::SetPercentText(const std::string &text) {
    if (!showProgress_ || text == lastText_)
        return;
    lastText_ = text;
    std::fprintf(stderr, "\r%s %4s", label_.c_str(), text.c_str());
    std::fflush(stderr);
    lineOpen_ = true;
}

void ToolObserver::ShowMessage(const std::string &text, const std::string &detail) {
    EndProgressLine();
    message_ = text;
    detail_ = detail;
}

void ToolObserver::EndProgressLine() {
    if (lineOpen_)
        std::fputc('\n', stderr);
    lineOpen_ = false;
}

} // namespace dpmr::cli
