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
