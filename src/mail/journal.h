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
// with the send date and time, so the oldest comes first). Files that cannot be read
// are left out; a missing folder gives an empty journal.
std::vector<TJournalEntry> ReadJournal(const std::string& folder);

}  // namespace qz
