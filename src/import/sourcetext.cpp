#include "import/sourcetext.h"

#include <algorithm>
#include <utility>

#include "base/encoding.h"
#include "base/fileio.h"

namespace qz {

bool TSourceText::Load(const std::string& fileName, std::string* error) {
    Clear();
    // Devices, FIFOs and files over the cap are refused before anything is read.
    if (!ReadWholeFile(fileName, FBytes, error, kMaxImportFileSize)) return false;
    FLoaded = true;
    return true;
}

void TSourceText::Assign(std::string bytes) {
    Clear();
    FBytes = std::move(bytes);
    FLoaded = true;
}

void TSourceText::Clear() {
    FBytes.clear();
    FBytes.shrink_to_fit();
    FLoaded = false;
    FCountedTo = 0;
    FLinesBefore = 0;
}

int TSourceText::LineOf(std::size_t offset) const {
    offset = std::min(offset, FBytes.size());
    if (offset < FCountedTo) {
        FCountedTo = 0;
        FLinesBefore = 0;
    }
    // A lone CR ends a line as well as LF or CR LF.
    for (std::size_t i = FCountedTo; i < offset; ++i) {
        const char c = FBytes[i];
        if (c == '\n' || (c == '\r' && (i + 1 >= FBytes.size() || FBytes[i + 1] != '\n'))) ++FLinesBefore;
    }
    FCountedTo = offset;
    return FLinesBefore + 1;
}

std::string QuotedPart(std::string_view text, std::size_t maxLength) {
    std::string s = PrintableText(text.substr(0, maxLength));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    std::size_t lead = 0;
    while (lead < s.size() && s[lead] == ' ') ++lead;
    s.erase(0, lead);
    if (text.size() > maxLength) s += "...";
    return s;
}

namespace {

// Whether `text` holds bytes outside ASCII that form valid UTF-8 sequences only.
bool IsUtf8Text(std::string_view text) {
    bool multiByte = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80             ? 1
                                   : (c & 0xE0) == 0xC0 ? 2
                                   : (c & 0xF0) == 0xE0 ? 3
                                   : (c & 0xF8) == 0xF0 ? 4
                                                        : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && c < 0xC2)) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

}  // namespace

std::string QuotedName(std::string_view text, std::size_t maxLength) {
    std::string s;
    if (IsUtf8Text(text)) s = Utf8ToCp1252(text);
    else
        for (const char c : text) s += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return QuotedPart(s, maxLength);
}

void TMessageCap::Add(std::string text) {
    ++FCount;
    if (FMessages && static_cast<std::size_t>(FCount) <= FLimit) FMessages->push_back(std::move(text));
}

void TMessageCap::Finish(const std::string& prefix) {
    if (FMessages && static_cast<std::size_t>(FCount) > FLimit)
        FMessages->push_back(prefix + std::to_string(static_cast<std::size_t>(FCount) - FLimit) +
                             " more problems of this kind not listed");
}

}  // namespace qz
