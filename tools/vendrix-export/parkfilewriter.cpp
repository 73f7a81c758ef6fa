#include "parkfilewriter.h"

#include "interruption.h"
#include "progressline.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <fstream>
#include <iostream>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace vendrix::exporter {

namespace fs = std::filesystem;

namespace {

// No flush to the disk per file: a season holds thousands of parks, and they are drawn again at the
// next run; the rename makes each file appear whole or not at all.
std::string writeBeside(const fs::path& target, const std::string& bytes) {
    fs::path partial = target;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            fs::remove(partial, ec);
            return "cannot write " + target.string();
        }
    }
    std::error_code ec;
    fs::rename(partial, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return "cannot write " + target.string() + ": " + ec.message();
    }
    return {};
}

} // namespace

ParkFileOutcome ParkFileWriter::run(const ParkFileJob& job) {
    std::atomic<int> next{0};
    std::atomic<int> written{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    std::string failure;
    int running = 0;

    auto work = [&] {
        while (!stop.load() && !Interruption::requested()) {
            const int park = next.fetch_add(1);
            if (park >= job.count)
                break;
            std::string error;
            try {
                error = writeBeside(job.fileOf(park), job.bytesOf(park));
            } catch (const std::exception& caught) {
                error = caught.what();
            }
            if (!error.empty()) {
                const std::lock_guard lock(mutex);
                if (failure.empty())
                    failure = std::move(error);
                stop.store(true);
                break;
            }
            written.fetch_add(1);
        }
        const std::lock_guard lock(mutex);
        --running;
        finished.notify_all();
    };

    const int workers = static_cast<int>(
        std::clamp(std::thread::hardware_concurrency(), 1u, static_cast<unsigned>(std::max(1, job.count))));
    {
        ProgressLine progress(job.what, job.count);
        std::vector<std::jthread> threads;
        running = workers;
        for (int i = 0; i < workers; ++i)
            threads.emplace_back(work);
        std::unique_lock lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(100));
            progress.show(written.load());
        }
    }
    if (!failure.empty()) {
        std::cerr << "vendrix-export: " << failure << '\n';
        return ParkFileOutcome::Failed;
    }
    if (Interruption::requested() && written.load() < job.count) {
        std::cerr << "vendrix-export: interrupted; " << written.load() << " of " << job.count << ' '
                  << job.what << " written, each of them whole\n";
        return ParkFileOutcome::Interrupted;
    }
    return ParkFileOutcome::Written;
}

} // namespace vendrix::exporter
