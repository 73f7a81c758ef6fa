#pragma once

#include <string>

namespace vendrix::native {

// The system's description of a Windows error code, as UTF-8, without the closing line break.
std::string windowsErrorText(unsigned long code);

// A UTF-16 text of the system as UTF-8.
std::string toUtf8(const std::wstring& text);

} // namespace vendrix::native
