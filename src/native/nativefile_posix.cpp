#include "nativefile.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <unistd.h>

namespace vendrix::native {

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::string flushToDisk(std::FILE* file) {
    if (::fsync(::fileno(file)) != 0)
        return std::strerror(errno);
    return {};
}

std::string replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return ec ? ec.message() : std::string();
}

} // namespace vendrix::native
