// Text fields of the DOS-era binary log formats: fixed-size byte fields ended by a zero
// byte, and the character filter applied to an imported exchange.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qz {

// The bytes of `field` up to its first zero byte, at most `maxChars` of them, upper-cased
// (ASCII) and with every blank, tab and zero byte removed. Bytes stay Windows-1252.
std::string FixedFieldText(std::string_view field, std::size_t maxChars);

// The German umlauts of Windows-1252 (bytes 0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC), which calls and exchanges may hold.
bool IsUmlaut(char c);

// `text` without every blank, tab and zero byte; letter case kept.
std::string WithoutBlanks(std::string_view text);

// `text` trimmed and reduced to the characters a call may hold: ".", "/", digits,
// letters A-Z and a-z and the German umlauts.
std::string LettersAndFigsOnly(std::string_view text);

}  // namespace qz
