// Helpers of the mail tests: reading the parts of a received MIME message.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qz::test {

std::string DecodeBase64(std::string_view text);

// The value of a header line "Name: value" in `headers` (the first match, ignoring the
// case of the name), "" when absent.
std::string HeaderValue(std::string_view headers, std::string_view name);

// The MIME parts of a multipart message: headers and content of each, split at the
// boundary the top Content-Type names.
struct MimePart {
    std::string headers, content;
};
std::vector<MimePart> MimeParts(const std::string& message);

}  // namespace qz::test
