// Reads ParkDir.txt from arbitrary bytes, and checks that every folder comes back unchanged from the
// line that Exit writes for it.
#include "season/foldermemory.h"
#include "season/windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace foldermemory = vendrix::season::foldermemory;
    namespace windows1252 = vendrix::season::windows1252;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The input as a file: whatever folder it names is remembered again as it was read.
    const std::string folder = foldermemory::parse(bytes);
    check(foldermemory::parse(foldermemory::format(folder)) == folder);

    // The input as a folder name (Linux takes any bytes but '/' runs and NUL): Exit's line for it is one
    // quoted field and CR LF, and reads back to the same name.
    const std::string line = foldermemory::format(bytes);
    check(line.ends_with("\"\r\n"));
    check(line.starts_with("\"") || line.starts_with("\xEF\xBB\xBF\""));
    check(foldermemory::parse(line) == bytes);

    // Every byte of the code page survives the trip to Unicode and back.
    check(windows1252::fromUtf8(windows1252::toUtf8(bytes)) == bytes);
    return 0;
}
