#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8, read and written by one rule for every output and measure: a well-formed, shortest-form
// sequence of a scalar value is a character; anything else is a fault, which the strict reader refuses
// and the lenient reader takes as one U+FFFD per offending byte.
namespace vendrix::season::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// The character at `pos`, moving `pos` past it; nothing (and `pos` unmoved) for a malformed sequence.
std::optional<char32_t> decodeStrict(std::string_view text, std::size_t& pos);

// The character at `pos`, moving `pos` past it; a malformed sequence reads as U+FFFD and moves one
// byte on, so the next character is found again.
char32_t decode(std::string_view text, std::size_t& pos);

// How many bytes a sequence starting at `pos` takes when it is well formed; 0 when it is not.
std::size_t sequenceLength(std::string_view text, std::size_t pos);

// Appends the UTF-8 form of a scalar value.
void append(std::string& out, char32_t codePoint);

// True when the whole text is well-formed UTF-8.
bool isValid(std::string_view text);

} // namespace vendrix::season::utf8
