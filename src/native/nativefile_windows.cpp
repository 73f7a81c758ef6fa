#include "nativefile.h"
#include "windowserror.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace vendrix::native {

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    std::wstring wideMode(mode, mode + std::strlen(mode));
    const auto exclusive = wideMode.find(L'x');
    if (exclusive == std::wstring::npos)
        return _wfopen(path.c_str(), wideMode.c_str());
    // The C runtime's fopen knows no "x": the file is created by _wopen, which refuses one that is there.
    wideMode.erase(exclusive, 1);
    int flags = _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY;
    if (wideMode.find(L'+') != std::wstring::npos)
        flags = (flags & ~_O_WRONLY) | _O_RDWR;
    const int descriptor = _wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = _wfdopen(descriptor, wideMode.c_str());
    if (file == nullptr)
        _close(descriptor);
    return file;
}

std::string flushToDisk(std::FILE* file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE)
        return std::strerror(errno);
    if (!FlushFileBuffers(handle))
        return windowsErrorText(GetLastError());
    return {};
}

std::string replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    // A read-only file is not replaced (as Windows itself refuses); `from`, which took its attributes,
    // is made deletable again.
    const DWORD targetAttributes = GetFileAttributesW(to.c_str());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        const DWORD fromAttributes = GetFileAttributesW(from.c_str());
        if (fromAttributes != INVALID_FILE_ATTRIBUTES)
            SetFileAttributesW(from.c_str(), fromAttributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
        return "the file is read-only";
    }
    // Write-through: the move itself is on the disk before the call returns.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return "another program has the file open; close it there and write again";
    // Windows also says "access denied" for a file that a program holds open without sharing it.
    if (error == ERROR_ACCESS_DENIED && GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES)
        return "access is denied; another program may have the file open: close it there and write again";
    return windowsErrorText(error);
}

} // namespace vendrix::native
