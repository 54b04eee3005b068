#include "mail/mailaddress.h"

#include <algorithm>

#include "base/text.h"

namespace qz {

namespace {

bool ForbiddenInAddress(unsigned char c) {
    return c <= 0x20 || c == 0x7F ||
           std::string_view("<>()[],;:\"\\").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

bool BareAddress(std::string_view entry, std::string& address, std::string* error) {
    const std::string trimmed = Trim(entry);
    address = trimmed;
    const auto open = trimmed.find('<');
    if (open != std::string::npos) {
        const auto close = trimmed.find('>', open);
        if (close != std::string::npos) address = trimmed.substr(open + 1, close - open - 1);
    }
    auto fail = [&](const std::string& why) {
        if (error) *error = "\"" + trimmed + "\" is no e-mail address: " + why;
        return false;
    };
    const auto at = address.find('@');
    if (at == std::string::npos) return fail("it has no \"@\"");
    if (at == 0 || at + 1 == address.size() || address.find('@', at + 1) != std::string::npos)
        return fail("it needs one \"@\" with a name before and a domain after it");
    for (char c : address)
        if (ForbiddenInAddress(static_cast<unsigned char>(c)))
            return fail("it holds a blank or a character such as <>,;:");
    return true;
}

bool ParseAddressList(std::string_view text, std::vector<std::string>& addresses, std::string* error) {
    addresses.clear();
    std::string entry;
    const std::string all = std::string(text) + ",";
    for (char c : all) {
        if (c != ',' && c != ';') {
            entry += c;
            continue;
        }
        if (!Trim(entry).empty()) {
            std::string address;
            if (!BareAddress(entry, address, error)) return false;
            addresses.push_back(address);
        }
        entry.clear();
    }
    if (addresses.empty()) {
        if (error) *error = "no recipient address given";
        return false;
    }
    return true;
}

std::string EncodeHeaderText(std::string_view text) {
    std::string clean(text);
    bool ascii = true;
    for (char& c : clean) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = ' ';
        if (u >= 0x80) ascii = false;
    }
    if (ascii) return clean;
    // Encoded words of at most 75 characters: 20 bytes give at most 60 encoded ones.
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (std::size_t start = 0; start < clean.size(); start += 20) {
        if (!out.empty()) out += ' ';
        out += "=?windows-1252?Q?";
        for (std::size_t i = start; i < std::min(clean.size(), start + 20); ++i) {
            const auto u = static_cast<unsigned char>(clean[i]);
            if (u == ' ') out += '_';
            else if (u >= 0x80 || u == '=' || u == '?' || u == '_') {
                out += '=';
                out += hex[u >> 4];
                out += hex[u & 15];
            } else {
                out += static_cast<char>(u);
            }
        }
        out += "?=";
    }
    return out;
}

}  // namespace qz
