#include "nativeprocess.h"
#include "windowserror.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace vendrix::native {

std::vector<std::string> startCommandLine(int argc, char** argv) {
    SetConsoleOutputCP(CP_UTF8);
    // Standard output carries the outputs' bytes, CR LF line ends included, unchanged.
    _setmode(_fileno(stdout), _O_BINARY);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(toUtf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

std::filesystem::path executableFile() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name);
        }
        name.resize(name.size() * 2);
    }
}

void* loadModule(const std::filesystem::path& module, std::string& error) {
    // The module's own folder is searched for the DLLs it needs (Qt's), as for a program's.
    HMODULE handle = LoadLibraryExW(module.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (handle == nullptr)
        error = "cannot load " + module.string() + ": " + windowsErrorText(GetLastError());
    return reinterpret_cast<void*>(handle);
}

void* moduleFunction(void* module, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

} // namespace vendrix::native
