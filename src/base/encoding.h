// Conversion between the Windows-1252 bytes the core works in and UTF-8, used only at
// the edges (terminal output, user-given text).
#pragma once

#include <string>
#include <string_view>

namespace qz {

std::string Cp1252ToUtf8(std::string_view s);
// Characters without a Windows-1252 code become "?".
std::string Utf8ToCp1252(std::string_view s);

// A text from a file or a server made fit to be shown: every control byte becomes a
// blank, so that nothing read can move the cursor, recolour or retitle a terminal, or
// break a message into lines. Control bytes are those below 0x20, DEL and the bytes
// that Windows-1252 leaves undefined (they would reach a UTF-8 terminal as C1 controls).
bool IsControlByte(char c);
std::string PrintableText(std::string_view text);

}  // namespace qz
