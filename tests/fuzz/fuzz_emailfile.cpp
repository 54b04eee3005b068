// Fuzzes the reader of kept e-mail messages (the journal shows any file of the e-mail
// folder, also one edited by hand): the header values it reads come back the same after
// the message is written and read again; body and attachment come back whole (each
// followed by the empty line the file puts after it).
// Seeds: tests/data/mail/*.qz_email
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "mail/emailfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qz::TEMailFile first;
    first.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)first.ehFormattedDateTime();
    const std::string written = first.Text();
    qz::TEMailFile second;
    second.LoadFromText(written);
    if (second.ehSMTPHost != first.ehSMTPHost || second.ehFrom != first.ehFrom || second.ehTo != first.ehTo ||
        second.ehCopy != first.ehCopy || second.ehSubject != first.ehSubject || second.ehCall != first.ehCall ||
        second.ehContest != first.ehContest || second.ehAttachmentName != first.ehAttachmentName ||
        second.ehDate() != first.ehDate() || second.ehTime() != first.ehTime() ||
        !second.ehBody.starts_with(first.ehBody) || !second.ehAttachment.starts_with(first.ehAttachment))
        __builtin_trap();
    return 0;
}
