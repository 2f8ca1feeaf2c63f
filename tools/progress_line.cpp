// The progress line: carriage-return redraws on stderr, cleared when done.
#include "progress_line.h"

#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#define KORVEL_ISATTY(fd) _isatty(fd)
#define KORVEL_STDERR_FD 2
#else
#include <unistd.h>
#define KORVEL_ISATTY(fd) isatty(fd)
#define KORVEL_STDERR_FD STDERR_FILENO
#endif

namespace booktool {

ProgressLine::ProgressLine(std::string label)
    : label_(std::move(label)), terminal_(KORVEL_ISATTY(KORVEL_STDERR_FD) != 0)
{
}

ProgressLine::~ProgressLine()
{
    if (shown_) {
        std::fprintf(stderr, "\r%*s\r", int(label_.size()) + 60, "");
        std::fflush(stderr);
    }
}

void ProgressLine::update(long done, long total, int attempt)
{
    if (!terminal_ || total <= 0)
        return;
    const long percent = done * 100 / total;
    if (percent == lastPercent_ && attempt == lastAttempt_ && done != total)
        return;
    lastPercent_ = percent;
    lastAttempt_ = attempt;
    if (attempt > 0)
        std::fprintf(stderr, "\r%s %ld/%ld (%ld%%), attempt %d at puzzle %ld   ", label_.c_str(), done, total,
                     percent, attempt + 1, done + 1);
    else
        std::fprintf(stderr, "\r%s %ld/%ld (%ld%%)%20s", label_.c_str(), done, total, percent, "");
    std::fflush(stderr);
    shown_ = true;
}

} // namespace booktool
