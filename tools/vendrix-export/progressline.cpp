#include "progressline.h"

#include <algorithm>
#include <cstdio>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vendrix::exporter {

namespace {

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

} // namespace

ProgressLine::ProgressLine(std::string what, int total)
    : what_(std::move(what)), total_(total), onTerminal_(standardErrorIsTerminal()) {}

ProgressLine::~ProgressLine() {
    if (!shown_)
        return;
    // Blanks over the line (a console without escape sequences understands these too).
    std::fprintf(stderr, "\r%*s\r", width_, "");
    std::fflush(stderr);
}

void ProgressLine::show(int done) {
    if (!onTerminal_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (shown_ && now - last_ < std::chrono::milliseconds(100) && done < total_)
        return;
    last_ = now;
    shown_ = true;
    width_ =
        std::max(width_, std::fprintf(stderr, "\rvendrix-export: %s %d of %d", what_.c_str(), done, total_));
    std::fflush(stderr);
}

} // namespace vendrix::exporter
