// The stored form of the SMTP password: a reversible scrambling into at least 100
// letters and digits, different on every call, so that the password never stands in
// the settings file as plain text. It is no encryption: anyone who has the stored
// string and this code gets the password back. The settings file itself is readable
// by its owner only.
#pragma once

#include <string>
#include <string_view>

namespace qz {

inline constexpr std::size_t kScrambledPasswordLength = 100;

// The stored form of `password`: 100 characters, more for a password longer than 28
// bytes.
std::string ScramblePassword(std::string_view password);

// Reverses ScramblePassword; false (and `password` untouched) when `stored` does not
// follow the scheme.
bool UnscramblePassword(std::string_view stored, std::string& password);

}  // namespace qz
