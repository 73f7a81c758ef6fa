#pragma once

namespace vendrix::exporter {

// While one lives, Ctrl+C (SIGINT, and SIGTERM where there is one) no longer ends the process at once
// but only sets a flag that long runs check between files, so that they stop without leaving a
// half-written one. The former handlers come back when it is destroyed.
class Interruption {
public:
    Interruption();
    ~Interruption();
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    static bool requested();
};

} // namespace vendrix::exporter
