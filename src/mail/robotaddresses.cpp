#include "mail/robotaddresses.h"

#include <algorithm>
#include <cstdint>

#include "base/fileio.h"
#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"

namespace qz {

// The shipped list is empty: robot addresses are entered in the options or stored by
// the send step.
TEMailAddressTable EMailAddresses{};

std::string EncodeRobotAddresses(const TEMailAddressTable& table) {
    std::string bytes;
    for (int c = cWWDXcw; c <= kNoOfRobotAddresses; ++c) {
        const std::string& address = table[static_cast<std::size_t>(c)];
        const std::size_t n = std::min(address.size(), kMaxRobotAddressLength);
        bytes.push_back(static_cast<char>(n));
        for (std::size_t i = 0; i < n; ++i)
            bytes.push_back(static_cast<char>(static_cast<unsigned char>(address[i]) + 1));
    }
    return bytes;
}

int DecodeRobotAddresses(std::string_view bytes, const std::string& fileName, TEMailAddressTable& table,
                         std::vector<std::string>* messages) {
    auto report = [&](const std::string& text) {
        if (messages) messages->push_back(fileName + ": " + text);
    };
    std::size_t pos = 0;
    int taken = 0;
    while (pos < bytes.size() && taken < kNoOfRobotAddresses) {
        const std::size_t n = static_cast<unsigned char>(bytes[pos]);
        if (bytes.size() - pos - 1 < n) {
            report("record " + std::to_string(taken + 1) + " is cut short (" + std::to_string(n) +
                   " bytes announced, " + std::to_string(bytes.size() - pos - 1) +
                   " present); it and the records after it were not read");
            return taken;
        }
        std::string address(bytes.substr(pos + 1, n));
        for (char& ch : address) ch = static_cast<char>(static_cast<unsigned char>(ch) - 1);
        table[static_cast<std::size_t>(++taken)] = std::move(address);
        pos += 1 + n;
    }
    if (pos < bytes.size())
        report(std::to_string(bytes.size() - pos) + " bytes after the last of the " +
               std::to_string(kNoOfRobotAddresses) + " records were ignored");
    return taken;
}

bool ParseRobotAddressSource(std::string_view text, TEMailAddressTable& table, std::string* error) {
    auto fail = [error](std::size_t line, const std::string& why) {
        if (error) *error = "line " + std::to_string(line) + ": " + why;
        return false;
    };
    const std::vector<std::string> lines = SplitLines(text);
    int expected = cWWDXcw;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string> fields = SplitString(line, ';');
        std::int32_t ordinal = 0;
        if (fields.size() != 3 || !TryStrToInt(fields[0], ordinal))
            return fail(i + 1, "not \"ordinal;contest;address\"");
        if (ordinal != expected) return fail(i + 1, "contest " + std::to_string(expected) + " expected");
        const std::string address = Trim(fields[2]);
        if (address.size() > kMaxRobotAddressLength) return fail(i + 1, "address longer than 255 characters");
        table[static_cast<std::size_t>(expected++)] = address;
    }
    if (expected <= kNoOfRobotAddresses) return fail(lines.size(), "contest " + std::to_string(expected) + " missing");
    return true;
}

TEMailAddressList::TEMailAddressList(std::string fileName) : FFileName(std::move(fileName)) {
    if (FFileName.empty()) FFileName = InstalledFilePath(InstalledFile("ema.qz"));
}

bool TEMailAddressList::LoadFromFile() {
    FError.clear();
    FMessages.clear();
    std::string bytes;
    // 85 records of at most 256 bytes; anything far larger is no address list.
    if (!ReadWholeFile(FFileName, bytes, &FError, 1024 * 1024)) return false;
    DecodeRobotAddresses(bytes, FFileName, EMailAddresses, &FMessages);
    return true;
}

bool TEMailAddressList::SaveToFile() {
    FError.clear();
    return ReplaceDataFile(FFileName, EncodeRobotAddresses(EMailAddresses), &FError);
}

bool LoadEMailAddressList() {
    TEMailAddressList list;
    if (!list.LoadFromFile()) {
        ShowErrorMessage(LS(lsRobotAddressListMissing) + ": " + list.FileName());
        return false;
    }
    for (const auto& m : list.Messages()) ShowErrorMessage(m);
    return true;
}

}  // namespace qz
