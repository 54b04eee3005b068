// Recognising the type of a file handed in by the user, and finding its converter.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "import/convert.h"
#include "import/registry.h"

namespace qz {

// A native log (ftQZ4, ftQZ3, or ftUnknown for another version) when the file is one;
// otherwise the first converter of `rows` whose test recognises it (an extension-bound
// row only for its extension); otherwise the fallback row's type when that converter
// is available, else ftUnknown. A missing or unreadable file is ftUnknown, and so is a
// damaged log (see below).
TFileType DetectFileType(const std::string& fileName, std::span<const TConverterRow> rows);
TFileType DetectFileType(const std::string& fileName);
// The same; the converter that recognised a foreign file, made with `messages`, is handed
// out in `recognizer`, so that the file is not read again for the conversion.
// A file that cannot be read, and a log of a known format that is damaged so that no
// format recognises it (a native log cut inside its header, a CT log cut inside its
// header, a QW or NA log whose length does not fit), is ftUnknown rather than the
// fallback's guess; `unreadable` (may be nullptr) then gets the reason naming the file,
// and is "" otherwise.
TFileType DetectFileType(const std::string& fileName, std::span<const TConverterRow> rows,
                         std::unique_ptr<TConvert>& recognizer, std::vector<std::string>* messages,
                         std::string* unreadable = nullptr);
TFileType DetectFileType(const std::string& fileName, std::string* unreadable);

// A new converter for a file of a foreign `type`; nullptr when no converter for it is
// available (or the type is no foreign type).
std::unique_ptr<TConvert> MakeConverter(TFileType type, const std::string& fileName, std::vector<std::string>* messages,
                                        std::span<const TConverterRow> rows);
std::unique_ptr<TConvert> MakeConverter(TFileType type, const std::string& fileName,
                                        std::vector<std::string>* messages);

// "QZ4", "Cabrillo", ... and a description for people ("native log", ...).
std::string_view FileTypeKeyword(TFileType type);
std::string_view FileTypeDescription(TFileType type);

}  // namespace qz
