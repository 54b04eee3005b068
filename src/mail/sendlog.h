// Submitting an exported log by e-mail through the configured SMTP server: the checks,
// the question whether to store a new robot address, the credentials, the message with
// its footer, and the kept message file after a successful send. Front ends supply
// only the dialogs (through TFrontEnd and the credentials query).
#pragma once

#include <functional>
#include <string>

#include "base/options.h"
#include "domain/defs.h"
#include "mail/smtp.h"

namespace qz {

// The footer line below every body.
inline constexpr const char* kMailFooter = "Log sent by QZ (https://quorvel.example/qz)";

struct TSendRequest {
    std::string recipients;  // as typed: one or more addresses, "," or ";" between
    std::string subject;
    std::string body;            // as typed, without the footer
    std::string attachmentName;  // file name shown to the recipient
    std::string attachment;      // the exported file's bytes
    TContest contest = cNoContest;
    std::string ownCall;
};

// Asks for user name and password when the settings lack one of them. Both come
// prefilled with the settings; false when the user cancels.
using TCredentialsQuery = std::function<bool(std::string& userName, std::string& password)>;

// What became of a recipient that differs from the contest's stored robot address.
enum class TRecipientStore {
    NotAsked,    // the same address, no contest, too long, or the send stopped before
    Stored,      // taken as the contest's robot address and the list file written
    NotWritten,  // taken for this run, but the list file could not be written (shown)
    Declined     // the answer was No (or no answer could be had)
};

// Step 2 of SendLogByEMail on its own, for a sender that does not go through it (the
// platform's mail client): when `recipients` differs (ignoring case) from the robot
// address of `contest`, the Yes/No question 586; Yes stores it and writes the list file.
TRecipientStore OfferToStoreRecipient(TContest contest, const std::string& recipients);

struct TSendOutcome {
    TSendStatus status = TSendStatus::Failed;
    TRecipientStore recipientStore = TRecipientStore::NotAsked;
    bool cancelled = false;  // the credentials were not given: nothing was tried
    std::string keptFile;    // the message file, "" when it could not be written
    std::string error;       // why nothing was sent
    bool Sent() const { return status == TSendStatus::Sent; }
};

// The SMTP settings of the options plus the settings only a few users need:
// "EMail_ConnectTimeout" (seconds, default 30) and "EMail_CAFile".
TSmtpSettings SmtpSettingsFromOptions(const TOptions& options);

// The body as sent: the text, two line ends, the footer and a line end.
std::string BodyWithFooter(const std::string& body);

// Sends `request` with the settings of `options`:
//  1. no SMTP server or sender: error 587, nothing sent;
//  2. a recipient that differs (ignoring case) from the contest's robot address: the
//     Yes/No question 586; Yes stores it and writes the address list file (the outcome's
//     recipientStore says which);
//  3. user name or password missing: `askCredentials` (none given: no login);
//  4. sends; on success the message is kept in `options.Path_EMails` and the info box
//     582 with 583 and the file name (or 581) is shown; on failure the error box 584
//     with the reason. A message is kept only when the server accepted it.
TSendOutcome SendLogByEMail(const TSendRequest& request, const TOptions& options,
                            const TCredentialsQuery& askCredentials);

}  // namespace qz
