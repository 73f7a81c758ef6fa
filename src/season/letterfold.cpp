#include "letterfold.h"

#include <array>
#include <cstddef>

namespace vendrix::season {

namespace {

constexpr std::array<char, 256> plainLetters() {
    std::array<char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[static_cast<std::size_t>(byte)] = static_cast<char>(byte);
    const auto set = [&](int from, int to, char plain) {
        for (int byte = from; byte <= to; ++byte)
            table[static_cast<std::size_t>(byte)] = plain;
    };
    for (int byte = 'A'; byte <= 'Z'; ++byte)
        table[static_cast<std::size_t>(byte)] = static_cast<char>(byte + ('a' - 'A'));
    for (const int offset : {0x00, 0x20}) { // capitals at 0xC0-0xDE, small letters 0x20 higher
        set(0xC0 + offset, 0xC6 + offset, 'a');
        set(0xC7 + offset, 0xC7 + offset, 'c');
        set(0xC8 + offset, 0xCB + offset, 'e');
        set(0xCC + offset, 0xCF + offset, 'i');
        set(0xD0 + offset, 0xD0 + offset, 'd');
        set(0xD1 + offset, 0xD1 + offset, 'n');
        set(0xD2 + offset, 0xD6 + offset, 'o');
        set(0xD8 + offset, 0xD8 + offset, 'o');
        set(0xD9 + offset, 0xDC + offset, 'u');
        set(0xDD + offset, 0xDD + offset, 'y');
    }
    set(0xDE, 0xDE, static_cast<char>(0xFE)); // thorn has no plain letter: its small form
    set(0xDF, 0xDF, 's');
    set(0xFF, 0xFF, 'y');
    set(0x83, 0x83, 'f');
    set(0x8A, 0x8A, 's');
    set(0x9A, 0x9A, 's');
    set(0x8C, 0x8C, 'o');
    set(0x9C, 0x9C, 'o');
    set(0x8E, 0x8E, 'z');
    set(0x9E, 0x9E, 'z');
    set(0x9F, 0x9F, 'y');
    return table;
}

constexpr std::array<char, 256> kPlainLetters = plainLetters();

} // namespace

char lowerWindows1252(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    switch (byte) {
    case 0x8A: // S, O, Z with caron or ligature: their small forms stand 0x10 higher
    case 0x8C:
    case 0x8E:
        return static_cast<char>(byte + 0x10);
    case 0x9F:
        return static_cast<char>(0xFF); // Y with diaeresis
    default:
        return c;
    }
}

char plainLetterWindows1252(char c) {
    return kPlainLetters[static_cast<unsigned char>(c)];
}

} // namespace vendrix::season
