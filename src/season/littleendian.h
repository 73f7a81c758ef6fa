#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Season files store 16-bit integers as two's complement, low byte first, whatever the host does.
namespace vendrix::season::le {

inline std::int16_t int16At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const auto raw = static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
    return static_cast<std::int16_t>(raw);
}

inline std::uint8_t byteAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return bytes[offset];
}

// Text fields are kept as the bytes they are: no code page conversion, no trimming.
inline std::string textAt(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset), width);
}

inline void putInt16(std::span<std::uint8_t> bytes, std::size_t offset, std::int16_t value) {
    const auto raw = static_cast<std::uint16_t>(value);
    bytes[offset] = static_cast<std::uint8_t>(raw & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(raw >> 8);
}

// Writes the text into a field of the given width; a shorter text is followed by the pad byte.
inline void putText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width,
                    const std::string& text, std::uint8_t pad) {
    for (std::size_t i = 0; i < width; ++i)
        bytes[offset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : pad;
}

} // namespace vendrix::season::le
