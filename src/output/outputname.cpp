#include "outputname.h"

#include "season/seasonfiles.h"

#include <system_error>

namespace vendrix::output {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFolderMemoryName = "parkdir.txt";

} // namespace

bool isRefusedReportName(std::string_view path) {
    return season::toLowerAscii(path).find(kFolderMemoryName) != std::string::npos;
}

bool isFolderMemoryFile(const fs::path& path) {
    std::error_code ec;
    const fs::path workingFolder = fs::current_path(ec);
    if (ec || path.empty())
        return false;
    // The same file under another name: a link, or another spelling on a file system that ignores case.
    if (fs::equivalent(path, workingFolder / "ParkDir.txt", ec) && !ec)
        return true;
    // Names are compared without regard to case, as the program that keeps the file does.
    if (season::toLowerAscii(path.filename().string()) != kFolderMemoryName)
        return false;
    const fs::path folder = fs::weakly_canonical(fs::absolute(path, ec).parent_path(), ec);
    if (ec)
        return false;
    return folder == fs::weakly_canonical(workingFolder, ec) && !ec;
}

} // namespace vendrix::output
