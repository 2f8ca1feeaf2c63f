// A progress line on the terminal for long runs: written to stderr only when stderr is a terminal.
#pragma once

#include <string>

namespace booktool {

class ProgressLine {
public:
    explicit ProgressLine(std::string label);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // Shows "label done/total"; redraws at most when the shown percentage changes.
    void update(long done, long total);

private:
    std::string label_;
    bool shown_ = false;
    bool terminal_;
    long lastPercent_ = -1;
};

} // namespace booktool
