#include "interruption.h"

#include <atomic>
#include <csignal>

namespace vendrix::exporter {

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void noteInterruption(int) {
    interrupted.store(true);
}

using Handler = void (*)(int);
Handler formerInterrupt = SIG_DFL;
Handler formerTerminate = SIG_DFL;

} // namespace

Interruption::Interruption() {
    interrupted.store(false);
    formerInterrupt = std::signal(SIGINT, noteInterruption);
    formerTerminate = std::signal(SIGTERM, noteInterruption);
}

Interruption::~Interruption() {
    std::signal(SIGINT, formerInterrupt == SIG_ERR ? SIG_DFL : formerInterrupt);
    std::signal(SIGTERM, formerTerminate == SIG_ERR ? SIG_DFL : formerTerminate);
}

bool Interruption::requested() {
    return interrupted.load();
}

} // namespace vendrix::exporter
