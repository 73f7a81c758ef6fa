#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vendrix::output {

// An output that could not be written; what() names the file and the reason.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the bytes to the target through a temporary file in the target's folder that replaces the
// target only once complete: on failure the target is as it was and no partial file is left.
// Throws OutputError.
void writeOutputFile(const std::filesystem::path& target, std::string_view bytes);

} // namespace vendrix::output
