// Decodes every record format from arbitrary bytes and checks that encoding gives the declared
// fields back unchanged.
#include "season/orgrecord.h"
#include "season/parkrecord.h"
#include "season/teamrecord.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {

template <typename Record> void roundTrip(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, Record::kSize> bytes{};
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    const Record once = Record::decode(bytes);
    const auto encoded = once.encode();
    std::array<std::uint8_t, Record::kSize> again{};
    std::copy(encoded.begin(), encoded.end(), again.begin());
    const Record twice = Record::decode(again);
    if (once.encode() != twice.encode())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    roundTrip<vendrix::season::ParkRecord>(data, size);
    roundTrip<vendrix::season::TeamRecord>(data, size);
    roundTrip<vendrix::season::OrgRecord>(data, size);
    return 0;
}
