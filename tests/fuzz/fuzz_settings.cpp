// Fuzzes the settings file as a user may edit it by hand: the settings record read from
// any text keeps every value in its range, and what it stores reads back the same
// without a note. Any stored password that unscrambles survives a new scrambling.
// Seeds: tests/data/settings/*.ini
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.h"
#include "base/passwordscramble.h"
#include "base/settingsstore.h"

namespace {

bool Same(const qz::TOptions& a, const qz::TOptions& b) {
    qz::TSettingsStore sa, sb;
    qz::SaveOptions(a, sa);
    qz::SaveOptions(b, sb);
    // The scrambled password differs every time; compare it in plain text.
    sa.SetString(qz::kMainSection, a.EMail_Password.oRegistryName, a.EMail_Password.oValue);
    sb.SetString(qz::kMainSection, b.EMail_Password.oRegistryName, b.EMail_Password.oValue);
    return sa.Serialize() == sb.Serialize();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    qz::TOptions first;
    std::vector<std::string> notes;
    qz::LoadOptions(first, qz::TSettingsStore::Parse(text), &notes);
    if (first.EMail_SMTPPort.oValue < qz::kMinSmtpPort || first.EMail_SMTPPort.oValue > qz::kMaxSmtpPort ||
        (first.EMail_Type.oValue != 0 && first.EMail_Type.oValue != 1) || first.Path_EMails.oValue.empty())
        __builtin_trap();

    qz::TSettingsStore stored;
    qz::SaveOptions(first, stored);
    qz::TOptions second;
    std::vector<std::string> secondNotes;
    qz::LoadOptions(second, qz::TSettingsStore::Parse(stored.Serialize()), &secondNotes);
    if (!secondNotes.empty() || !Same(first, second)) __builtin_trap();

    std::string password;
    if (qz::UnscramblePassword(text, password)) {
        std::string again;
        if (!qz::UnscramblePassword(qz::ScramblePassword(password), again) || again != password) __builtin_trap();
    }
    return 0;
}
