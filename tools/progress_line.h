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

    // Shows "label done/total", and which attempt at the next one when `attempt` is above 0;
    // redraws at most when what it shows changes.
    void update(long done, long total, int attempt = 0);

private:
    std::string label_;
    bool shown_ = false;
    bool terminal_;
    long lastPercent_ = -1;
    int lastAttempt_ = 0;
};

} // namespace booktool
