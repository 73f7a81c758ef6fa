#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The running program: its command line, its file, and modules (shared objects, on Windows DLLs)
// that it loads at run time.
namespace vendrix::native {

// The arguments after the program's name as UTF-8 (on Windows taken from the wide command line, so
// that a name outside the 8-bit code page comes through whole; elsewhere the bytes as given). On
// Windows the console is also set to show UTF-8, the form of the program's messages, and standard
// output to pass bytes unchanged.
std::vector<std::string> startCommandLine(int argc, char** argv);

// The running program's own file; empty when the system does not say.
std::filesystem::path executableFile();

// Loads the module for the life of the program: never unloaded, as Qt keeps running parts of itself
// until the program ends. Null when it cannot be loaded; `error` then says why, naming the file.
void* loadModule(const std::filesystem::path& module, std::string& error);

// The address of the module's exported function `name`; null when it has none.
void* moduleFunction(void* module, const char* name);

} // namespace vendrix::native
