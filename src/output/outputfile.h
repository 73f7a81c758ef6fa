#pragma once

#include <filesystem>
#include <functional>
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

// The same for bytes made a piece at a time: `nextPiece` appends the next piece to the (empty) text it
// is given and says whether more follow. Each piece is written as it comes, so a large output never
// stands whole in memory; the target is still replaced only once the last piece is written.
using OutputPieces = std::function<bool(std::string& piece)>;
void writeOutputFile(const std::filesystem::path& target, const OutputPieces& nextPiece);

} // namespace vendrix::output
