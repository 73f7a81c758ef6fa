#include "nativeprocess.h"

#include <dlfcn.h>
#include <system_error>

namespace vendrix::native {

std::vector<std::string> startCommandLine(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::filesystem::path executableFile() {
    std::error_code ec;
    std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : file;
}

void* loadModule(const std::filesystem::path& module, std::string& error) {
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        error = "cannot load " + module.string() + ": " + dlerror();
    return handle;
}

void* moduleFunction(void* module, const char* name) {
    return dlsym(module, name);
}

} // namespace vendrix::native
