// The log robots' e-mail addresses, one per contest, and their file "ema.qz": 85
// records from cWWDXcw to cWNA, each a length byte and that many bytes, every byte
// stored as its character code plus 1.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"

namespace qz {

inline constexpr int kNoOfRobotAddresses = cWNA;  // entries 1..85 are used
inline constexpr std::size_t kMaxRobotAddressLength = 255;

using TEMailAddressTable = std::array<std::string, kNoOfContests>;

// The table in use, indexed by TContest (entry 0 stays empty). Filled at start-up from
// the address list file; the options and the send step change single entries.
extern TEMailAddressTable EMailAddresses;

// The file's bytes for entries 1..85 of `table` (longer addresses are cut to 255 bytes).
std::string EncodeRobotAddresses(const TEMailAddressTable& table);

// Reads records from `bytes` into entries 1, 2, ... of `table` until the bytes end, at
// most 85; entries without a record keep their values. A record cut short by the end of
// the bytes is not taken, nor are the records after 85: each is reported in `messages`
// (naming `fileName` and the record number). Returns the number of records taken.
int DecodeRobotAddresses(std::string_view bytes, const std::string& fileName, TEMailAddressTable& table,
                         std::vector<std::string>* messages);

// The shipped source of the list (data/robot-addresses.txt): lines "ordinal;name;address"
// for the contests 1..85 in order, "#" comment lines and empty lines. Fills entries
// 1..85 of `table`; false with `error` naming the line when a line is malformed, out
// of order or an address is too long, or a contest is missing.
bool ParseRobotAddressSource(std::string_view text, TEMailAddressTable& table, std::string* error);

// Reads and writes the installed file "ema.qz" (kind fkEMailAddressList).
class TEMailAddressList {
public:
    // `fileName` empty: the installed file of the data folder.
    explicit TEMailAddressList(std::string fileName = {});

    // False when the file does not exist or cannot be read (`Error()` says why);
    // otherwise reads it into EMailAddresses as DecodeRobotAddresses does and returns
    // true. Damaged records are reported in Messages().
    bool LoadFromFile();
    // Copies an existing file into its backup folder, then replaces it with all 85
    // records from EMailAddresses (ReplaceDataFile). False (with Error(), the previous
    // file unchanged) when the file could not be written.
    bool SaveToFile();

    const std::string& FileName() const { return FFileName; }
    const std::string& Error() const { return FError; }
    const std::vector<std::string>& Messages() const { return FMessages; }

private:
    std::string FFileName;
    std::string FError;
    std::vector<std::string> FMessages;
};

// The start-up step: loads the list into EMailAddresses; when that fails, shows the
// error box (language string 391, ": " and the file's path) and keeps the defaults.
// Damaged records are shown as errors too. False when the file was not read.
bool LoadEMailAddressList();

}  // namespace qz
