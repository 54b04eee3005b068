// Fuzzes the NA reader from memory: any bytes give a log or a refusal naming the file,
// never a crash or a read past the end. The first byte chooses the template layout (so
// that every layout meets damaged texts); the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzzcty.h"
#include "import/naimport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
    if (size < 1) return 0;
    std::string file(reinterpret_cast<const char*>(data + 1), size - 1);
    // Short inputs get a header in front, so that records are reached at once.
    if (file.size() < 1200) file.insert(0, 800, '\0');
    std::vector<std::string> messages;
    qz::TNAConvert reader(file, "fuzz.qdf", &messages);
    reader.Cty = cty;
    reader.DefaultContest = data[0] % 2 ? qz::cIOTA : qz::cWWDXcw;
    reader.TemplateNumber = data[0] % 16;
    reader.TemplateFolder = "/nonexistent-template-folder";
    auto log = reader.ReadLog(false);
    if (!log) {
        if (reader.LastError().find("fuzz.qdf") == std::string::npos) __builtin_trap();
        return 0;
    }
    if (static_cast<std::size_t>(log->NoOfQSOs()) > file.size() / 40) __builtin_trap();
    return 0;
}
