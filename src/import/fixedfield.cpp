// Text fields of the binary log formats.
#include "import/fixedfield.h"

#include "base/text.h"

namespace qz {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\0'; }

}  // namespace

bool IsUmlaut(char c) {
    switch (static_cast<unsigned char>(c)) {
        case 0xC4:
        case 0xD6:
        case 0xDC:
        case 0xE4:
        case 0xF6:
        case 0xFC: return true;
        default: return false;
    }
}

std::string FixedFieldText(std::string_view field, std::size_t maxChars) {
    const std::size_t end = field.find('\0');
    std::string_view text = field.substr(0, end);
    if (text.size() > maxChars) text = text.substr(0, maxChars);
    return UpperCase(WithoutBlanks(text));
}

std::string WithoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!IsBlank(c)) s += c;
    return s;
}

std::string LettersAndFigsOnly(std::string_view text) {
    std::string s;
    for (char c : Trim(text))
        if (c == '.' || c == '/' || IsDigit(c) || IsLetter(c) || IsUmlaut(c)) s += c;
    return s;
}

}  // namespace qz
