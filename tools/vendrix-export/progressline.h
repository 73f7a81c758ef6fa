#pragma once

#include <chrono>
#include <string>

namespace vendrix::exporter {

// "vendrix-export: diagrams 1200 of 32767" on one line of standard error, rewritten in place at most
// ten times a second, and cleared at the end. Silent when standard error is not a terminal, so logs
// and pipes get no carriage returns.
class ProgressLine {
public:
    ProgressLine(std::string what, int total);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void show(int done);

private:
    std::string what_;
    int total_;
    bool onTerminal_;
    bool shown_ = false;
    int width_ = 0; // of the longest line shown, to blank it out at the end
    std::chrono::steady_clock::time_point last_{};
};

} // namespace vendrix::exporter
