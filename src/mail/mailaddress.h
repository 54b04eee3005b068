// E-mail addresses as the user types them: lists of recipients, the bare address of
// each for the SMTP envelope, and header texts that are safe to send.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qz {

// The bare address of one entry: the text inside "<...>" when there is one ("Log Robot
// <robot@example.org>"), else the trimmed entry. False with `error` naming the entry
// when it is no plain address: no "@", nothing before or after it, or a blank, control
// byte or one of <>()[],;:" inside.
bool BareAddress(std::string_view entry, std::string& address, std::string* error);

// Splits a recipient text at "," and ";" into bare addresses (empty entries are
// skipped). False with `error` at the first entry that is no address, or when the text
// holds none.
bool ParseAddressList(std::string_view text, std::vector<std::string>& addresses, std::string* error);

// A header value: pure ASCII as it is; otherwise RFC 2047 encoded words of the
// Windows-1252 bytes. Line breaks and other control bytes become blanks, so a value can
// never add a header line.
std::string EncodeHeaderText(std::string_view text);

}  // namespace qz
