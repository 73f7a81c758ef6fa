#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vendrix::parkpage {

// The SHA-256 digest of bytes (FIPS 180-4), for the page's Content-Security-Policy, which names its
// inline script and style by their hashes.
std::array<std::uint8_t, 32> sha256(std::string_view bytes);

// The digest in base64, as a CSP source expression wants it after "sha256-".
std::string sha256Base64(std::string_view bytes);

} // namespace vendrix::parkpage
