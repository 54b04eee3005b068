// Fuzzes the QW reader from memory with a companion file: any bytes give a log or a
// refusal naming the file, never a crash or a read past the end; short strings whose
// length bytes point beyond their fields stay within them. The first byte splits the
// rest into the log's body (behind a valid header) and the companion file, or takes
// the rest as the whole file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzzcty.h"
#include "import/qwimport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
    if (size < 2) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    std::string file, companion;
    if (data[0] == 255) {
        file.assign(rest);
    } else {
        file.assign(1240, '\0');
        file.replace(14, 7,
                     "\x06"
                     "DL1ABC");
        const std::size_t split = rest.size() * data[0] / 256;
        file.append(rest.substr(0, rest.size() - split));
        companion.assign(rest.substr(rest.size() - split));
    }
    std::vector<std::string> messages;
    qz::TQWConvert reader(file, "fuzz.bin", &messages);
    reader.Cty = cty;
    reader.DefaultContest = data[1] % 2 ? qz::cWAEcw : qz::cVHF;
    reader.SetCompanionBytes(companion);
    auto log = reader.ReadLog(false);
    if (!log) {
        if (reader.LastError().find("fuzz.bin") == std::string::npos) __builtin_trap();
        return 0;
    }
    const std::size_t lines = static_cast<std::size_t>(log->NoOfQSOs());
    if (lines > file.size() / 62 + companion.size() / 302 * 10) __builtin_trap();
    return 0;
}
