#include "mail/mailtest.h"

#include "base/text.h"

namespace qz::test {

std::string DecodeBase64(std::string_view text) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned bits = 0;
    int count = 0;
    for (char c : text) {
        const auto v = alphabet.find(c);
        if (v == std::string::npos) continue;  // line ends, padding
        bits = (bits << 6) | static_cast<unsigned>(v);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.push_back(static_cast<char>((bits >> count) & 0xFF));
        }
    }
    return out;
}

std::string HeaderValue(std::string_view headers, std::string_view name) {
    for (const std::string& line : SplitLines(headers)) {
        const auto colon = line.find(':');
        if (colon != std::string::npos && SameText(line.substr(0, colon), name)) return Trim(line.substr(colon + 1));
    }
    return {};
}

std::vector<MimePart> MimeParts(const std::string& message) {
    std::vector<MimePart> parts;
    const auto headerEnd = message.find("\r\n\r\n");
    if (headerEnd == std::string::npos) return parts;
    const std::string type = HeaderValue(message.substr(0, headerEnd), "Content-Type");
    const auto b = type.find("boundary=");
    if (b == std::string::npos) return parts;
    std::string boundary = type.substr(b + 9);
    if (!boundary.empty() && boundary.front() == '"') boundary = boundary.substr(1, boundary.find('"', 1) - 1);
    const std::string delimiter = "\r\n--" + boundary;
    std::size_t pos = message.find(delimiter, headerEnd);
    while (pos != std::string::npos) {
        const std::size_t start = pos + delimiter.size();
        if (message.compare(start, 2, "--") == 0) break;  // the closing delimiter
        const std::size_t next = message.find(delimiter, start);
        if (next == std::string::npos) break;
        const std::string part = message.substr(start + 2, next - start - 2);
        const auto split = part.find("\r\n\r\n");
        parts.push_back({part.substr(0, split), split == std::string::npos ? "" : part.substr(split + 4)});
        pos = next;
    }
    return parts;
}

}  // namespace qz::test
