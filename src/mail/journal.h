// The journal of sent e-mails: the kept message files of the e-mail folder.
#pragma once

#include <string>
#include <vector>

#include "mail/emailfile.h"

namespace qz {

struct TJournalEntry {
    std::string fileName;  // full path
    TEMailFile message;
};

// Every readable file "*.qz_email" of `folder`, ordered by file name (which begins
// with the send date and time, so the oldest comes first). Files that cannot be read,
// or hold no send date of eight digits (no kept message, or a damaged one), are left
// out, each named with the reason in `problems`; a missing folder gives an empty
// journal.
std::vector<TJournalEntry> ReadJournal(const std::string& folder, std::vector<std::string>* problems = nullptr);

}  // namespace qz
