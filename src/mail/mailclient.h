// Handing a file to the platform's mail client (`xdg-email`), which opens a new
// message with the attachment, subject and recipient for the user to send.
#pragma once

#include <string>

namespace qz {

// Runs `xdg-email --attach FILE --subject SUBJECT [ADDRESS]` (found on PATH) and waits
// for it. `attachment` is a file name as the system spells it; subject and address
// are Windows-1252. False with `error` when the program is missing or fails, or the
// address is not one plain address.
bool ComposeWithMailClient(const std::string& attachment, const std::string& subject, const std::string& address,
                           std::string* error);

}  // namespace qz
