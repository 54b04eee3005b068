// Fuzzes the ASCII import and the format list from memory: the first bytes are read as
// a format list whose first layout (if any) reads the rest as a column text. Any bytes
// give a log or a refusal; every line is in the log or listed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/asciiimport.h"
#include "fuzzcty.h"

namespace {}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte tells how many of the following bytes are the format list.
    const std::size_t listSize = size > 0 ? static_cast<std::uint8_t>(bytes[0]) * 4u : 0;
    const std::string_view list = bytes.substr(size > 0 ? 1 : 0, listSize);
    const std::string_view text = bytes.substr(std::min(size, 1 + listSize));
    qz::TFormatList formats;
    formats.LoadFromBytes(list);
    if (formats.ToBytes().size() > list.size()) __builtin_trap();
    qz::TASCIIImportSettings settings;
    if (formats.Count() > 0) settings.Layout = formats.Items(0);
    settings.TabLength = static_cast<int>(size % 10);
    std::vector<std::string> messages;
    qz::TASCIIConvert reader(std::string(text), "fuzz.txt", &messages);
    reader.Cty = cty;
    reader.DefaultContest = size % 2 ? qz::cWWDXcw : qz::cWAEcw;
    reader.Settings = &settings;
    auto log = reader.ReadLog(false);
    const qz::TASCIIReadCounts& c = reader.Counts();
    if (c.qsos + c.noCall != c.lines) __builtin_trap();
    if (!log) return 0;
    log->SetShowMessageBoxes(false);
    log->SetMessageLines(&messages);
    log->Compile();
    (void)log->GetFinalResult();
    return 0;
}
