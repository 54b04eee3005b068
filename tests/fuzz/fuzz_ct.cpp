// Fuzzes the CT reader from memory with a companion file: any bytes give a log or a
// refusal naming the file, never a crash, a read past the end or an allocation beyond
// the input; a log holds no more lines than the records the bytes can carry.
// The first byte chooses how the rest is used: as the whole file, or as the body and
// companion file behind a valid header of each version (so that the records are reached
// at once); the second byte is the header's contest code.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzzcty.h"
#include "import/ctimport.h"

namespace {

constexpr const char* kVersions[] = {"CT 8.99", "CT 9.28", "CT 9.34", "CT 10.01"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
    if (size < 3) return 0;
    const std::uint8_t how = data[0];
    const std::uint8_t contest = data[1];
    std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
    std::string file, companion;
    if (how % 5 == 4) {
        file.assign(reinterpret_cast<const char*>(data), size);
    } else {
        const bool ct8 = how % 5 == 0;
        file.assign(ct8 ? 1024 : 4096, '\0');
        const std::string version = kVersions[how % 5 == 3 ? 3 : how % 5];
        file.replace(32, version.size(), version);
        file.replace(48, 6, "DL1ABC");
        file[256] = static_cast<char>(contest);
        // Byte 2 tells how much of the rest is the companion file.
        const std::size_t split = rest.size() * data[2] / 256;
        file.append(rest.substr(0, rest.size() - split));
        companion.assign(rest.substr(rest.size() - split));
    }
    std::vector<std::string> messages;
    qz::TCTConvert reader(file, "fuzz.bin", &messages);
    reader.Cty = cty;
    reader.DefaultContest = qz::cWAEcw;
    reader.SetCompanionBytes(companion);
    auto log = reader.ReadLog(false);
    if (!log) {
        if (reader.LastError().find("fuzz.bin") == std::string::npos) __builtin_trap();
        return 0;
    }
    const std::size_t lines = static_cast<std::size_t>(log->NoOfQSOs());
    if (lines > file.size() / 50 + companion.size() / 64) __builtin_trap();
    return 0;
}
