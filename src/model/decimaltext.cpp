#include "decimaltext.h"

#include <array>
#include <atomic>
#include <cassert>
#include <charconv>
#include <mutex>

namespace vendrix::model {

namespace {

constexpr int kLowest = -32768;
constexpr int kBlock = 256; // values made at once, on their first use
constexpr int kBlocks = 65536 / kBlock;
constexpr std::size_t kWidth = 6; // "-32768"

// The texts of a block of 256 values; a season's numbers fall in a few blocks, so a process makes
// only those instead of all 65,536.
struct Block {
    // Checked first on every call: call_once alone costs more than the view it guards.
    std::atomic<bool> ready{false};
    std::once_flag made;
    std::array<char, kBlock * kWidth> digits{};
    std::array<unsigned char, kBlock> lengths{};
};

// Made before the program starts (every member is constant-initialised), so no call checks it.
constinit std::array<Block, kBlocks> blocks{};

} // namespace

std::string_view decimalText(int value) {
    assert(value >= kLowest && value < kLowest + 65536);
    const auto index = static_cast<std::size_t>(value - kLowest);
    Block& block = blocks[index / kBlock];
    if (!block.ready.load(std::memory_order_acquire)) {
        std::call_once(block.made, [&block, first = value - static_cast<int>(index % kBlock)] {
            for (int i = 0; i < kBlock; ++i) {
                char* begin = block.digits.data() + static_cast<std::size_t>(i) * kWidth;
                const auto written = std::to_chars(begin, begin + kWidth, first + i);
                block.lengths[static_cast<std::size_t>(i)] = static_cast<unsigned char>(written.ptr - begin);
            }
            block.ready.store(true, std::memory_order_release);
        });
    }
    const std::size_t at = index % kBlock;
    return {block.digits.data() + at * kWidth, block.lengths[at]};
}

} // namespace vendrix::model
