#include "decimaltext.h"

#include <array>
#include <cassert>
#include <charconv>

namespace vendrix::model {

namespace {

constexpr int kLowest = -32768;
constexpr int kCount = 65536;
constexpr std::size_t kWidth = 6; // "-32768"

struct Texts {
    std::array<char, kCount * kWidth> digits{};
    std::array<unsigned char, kCount> lengths{};

    Texts() {
        for (int i = 0; i < kCount; ++i) {
            char* begin = digits.data() + static_cast<std::size_t>(i) * kWidth;
            const auto written = std::to_chars(begin, begin + kWidth, kLowest + i);
            lengths[static_cast<std::size_t>(i)] = static_cast<unsigned char>(written.ptr - begin);
        }
    }
};

const Texts& texts() {
    static const Texts made;
    return made;
}

} // namespace

std::string_view decimalText(int value) {
    assert(value >= kLowest && value < kLowest + kCount);
    const Texts& all = texts();
    const auto index = static_cast<std::size_t>(value - kLowest);
    return {all.digits.data() + index * kWidth, all.lengths[index]};
}

} // namespace vendrix::model
