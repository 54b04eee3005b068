// Conversion between the Windows-1252 bytes the core works in and UTF-8, used only at
// the edges (terminal output, user-given text).
#pragma once

#include <string>
#include <string_view>

namespace qz {

std::string Cp1252ToUtf8(std::string_view s);
// Characters without a Windows-1252 code become "?".
std::string Utf8ToCp1252(std::string_view s);

}  // namespace qz
