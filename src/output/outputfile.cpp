#include "outputfile.h"

#include "native/nativefile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace vendrix::output {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& target, const std::string& reason) {
    throw OutputError("Cannot write " + target.string() + ": " + reason);
}

std::string lastSystemError() {
    return std::generic_category().message(errno);
}

// A symbolic link stays a link: the file it points to is the one replaced.
fs::path resolveTarget(const fs::path& target) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec)))
        return target;
    fs::path resolved = fs::read_symlink(target, ec);
    if (ec)
        return target;
    if (resolved.is_relative())
        resolved = target.parent_path() / resolved;
    return resolveTarget(resolved);
}

class TemporaryFile {
public:
    // Creates a new file beside the target, under a name no other file has.
    explicit TemporaryFile(const fs::path& target) {
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        const fs::path::string_type stem = temporaryStem(target);
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            // Built in the system's own form of names, so that no character of the target's is lost.
            const fs::path suffix(".vendrix-" + std::to_string(random() % 1000000000));
            path_ = folder / (fs::path::string_type(1, '.') + stem + suffix.native());
            errno = 0;
            // "x": never open a file that is already there.
            file_ = native::openFile(path_, "wbx");
            if (file_ != nullptr)
                return;
            if (errno != EEXIST)
                break;
        }
        const std::string reason = lastSystemError();
        path_.clear();
        fail(target, reason);
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    ~TemporaryFile() {
        if (file_ != nullptr)
            std::fclose(file_);
        if (!path_.empty()) {
            std::error_code ec;
            fs::remove(path_, ec);
        }
    }

    // Writes the bytes; the reason when that fails.
    std::string append(std::string_view bytes) {
        errno = 0;
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
            return reasonOr("the disk is full or the file cannot be written");
        return {};
    }

    // Makes what was written durable and closes the file; the reason when that fails.
    std::string finish() {
        errno = 0;
        if (std::fflush(file_) != 0)
            return reasonOr("the file cannot be written");
        if (std::string reason = native::flushToDisk(file_); !reason.empty())
            return reason;
        std::FILE* file = file_;
        file_ = nullptr;
        if (std::fclose(file) != 0)
            return reasonOr("the file cannot be closed");
        return {};
    }

    // Puts the finished file in the target's place; the reason when that fails.
    std::string replace(const fs::path& target) {
        if (std::string reason = native::replaceFile(path_, target); !reason.empty())
            return reason;
        path_.clear();
        return {};
    }

    const fs::path& path() const { return path_; }

private:
    static constexpr std::size_t kStemLength = 200;

    // The start of the target's name: a name near the file system's limit still leaves room for the
    // suffix. Never half a character where the system's names count in UTF-16.
    static fs::path::string_type temporaryStem(const fs::path& target) {
        fs::path::string_type stem = target.filename().native().substr(0, kStemLength);
        if constexpr (sizeof(fs::path::value_type) == 2) {
            const auto last =
                stem.empty() ? 0u : static_cast<unsigned>(static_cast<std::uint16_t>(stem.back()));
            if (last >= 0xD800 && last <= 0xDBFF) // the first half of a surrogate pair
                stem.pop_back();
        }
        return stem;
    }

    static std::string reasonOr(const char* fallback) { return errno != 0 ? lastSystemError() : fallback; }

    fs::path path_;
    std::FILE* file_ = nullptr;
};

} // namespace

namespace {

// Makes a temporary file beside the target, has `fill` write into it (the reason when that fails, or
// nothing) and puts it in the target's place.
void writeThrough(const fs::path& requested, const std::function<std::string(TemporaryFile&)>& fill) {
    if (requested.empty())
        fail(requested, "no file name given");
    const fs::path target = resolveTarget(requested);
    std::error_code ec;
    const fs::file_status existing = fs::status(target, ec);
    if (fs::is_directory(existing))
        fail(requested, "it is a folder");

    TemporaryFile temporary(target);
    if (std::string reason = fill(temporary); !reason.empty())
        fail(requested, reason);
    if (const std::string reason = temporary.finish(); !reason.empty())
        fail(requested, reason);
    // A file that was there keeps its permissions.
    if (fs::exists(existing))
        fs::permissions(temporary.path(), existing.permissions(), ec);
    if (const std::string reason = temporary.replace(target); !reason.empty())
        fail(requested, reason);
}

} // namespace

void writeOutputFile(const fs::path& requested, std::string_view bytes) {
    writeThrough(requested, [&](TemporaryFile& file) { return file.append(bytes); });
}

void writeOutputFile(const fs::path& requested, const OutputPieces& nextPiece) {
    writeThrough(requested, [&](TemporaryFile& file) {
        std::string piece;
        for (bool more = true; more;) {
            piece.clear();
            more = nextPiece(piece);
            if (std::string reason = file.append(piece); !reason.empty())
                return reason;
        }
        return std::string();
    });
}

} // namespace vendrix::output
