// Sending one e-mail with a file attachment through an SMTP server (libcurl).
//
// Security rules: a user name and password are only ever sent over an encrypted
// connection, either TLS from the start (port 465 or a host given as "smtps://...") or
// STARTTLS, which the server must then offer; a server without encryption gets the
// message only when no login is needed. Without a login, STARTTLS is still used
// whenever the server offers it. Certificates are verified.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qz {

inline constexpr int kDefaultSmtpTimeoutSeconds = 30;
// Larger attachments are refused before connecting: no contest log comes near it,
// and many servers reject messages of this size anyway.
inline constexpr std::size_t kMaxAttachmentSize = 10u * 1024 * 1024;

struct TSmtpSettings {
    // A host name or address; "smtps://host" asks for TLS from the start on any port,
    // "smtp://host" is the same as the plain name.
    std::string host;
    int port = 25;
    // Both set: log in (only over TLS); otherwise no login.
    std::string userName, password;
    // A file of certificates to trust instead of the system's ("" = the system's).
    std::string caFile;
    // Time allowed for connecting, for each answer of the server, and for any stretch
    // of the transfer in which not a byte moves (a server that stops reading the
    // message).
    int timeoutSeconds = kDefaultSmtpTimeoutSeconds;
};

// One message: multipart/mixed with the body (text/plain, Windows-1252) and one
// attachment (text/plain; charset=ISO-8859-1, disposition attachment, sent base64 so
// that its bytes arrive exactly). Texts are Windows-1252.
struct TMailMessage {
    std::string from;             // bare address
    std::vector<std::string> to;  // bare addresses
    std::vector<std::string> cc;  // bare addresses
    std::string subject;
    std::string body;
    std::string attachmentName;  // file name without folder
    std::string attachment;      // the file's bytes
};

enum class TSendStatus : std::uint8_t {
    Sent,
    Invalid,   // refused before connecting (a bad address, an attachment too large)
    NoTLS,     // a login is needed but the server offers no encryption
    TimedOut,  // no connection, no answer or no progress within the time allowed
    Failed,    // anything else the server or the connection did
    // The server took the whole message but its answer never came: the message may
    // have been delivered.
    Unconfirmed,
};

struct TSendResult {
    TSendStatus status = TSendStatus::Failed;
    std::string message;  // why it failed, with the server's answer when it gave one; "" when sent
    bool Ok() const { return status == TSendStatus::Sent; }
};

// The URL libcurl connects to: "smtps://HOST:PORT" for port 465 or an "smtps://" host,
// else "smtp://HOST:PORT".
std::string SmtpUrl(const std::string& host, int port);

// Connects, sends and disconnects. The message counts as sent only when the server
// accepted it (its answer to the end of the data).
TSendResult SendMail(const TSmtpSettings& settings, const TMailMessage& message);

}  // namespace qz
