#include "mail/smtp.h"

#include <curl/curl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <random>

#include "base/encoding.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "mail/mailaddress.h"

namespace qz {

namespace {

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
    void operator()(curl_mime* m) const { curl_mime_free(m); }
};
template <typename T>
using CurlPtr = std::unique_ptr<T, CurlDeleter>;

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool Append(CurlPtr<curl_slist>& list, const std::string& text) {
    curl_slist* grown = curl_slist_append(list.get(), text.c_str());
    if (!grown) return false;
    list.release();
    list.reset(grown);
    return true;
}

// "Tue, 26 Nov 2013 18:45:02 +0100": the date header in the local time zone, written
// in English whatever the locale.
std::string DateHeader() {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t now = std::time(nullptr);
    std::tm lt{};
    localtime_r(&now, &lt);
    const long offset = lt.tm_gmtoff / 60;
    return Format("%s, %d %s %d %.2d:%.2d:%.2d %c%.2ld%.2ld", days[lt.tm_wday], lt.tm_mday, months[lt.tm_mon],
                  lt.tm_year + 1900, lt.tm_hour, lt.tm_min, lt.tm_sec, offset < 0 ? '-' : '+',
                  (offset < 0 ? -offset : offset) / 60, (offset < 0 ? -offset : offset) % 60);
}

std::string MessageId(const std::string& from) {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    return Format("<%lld.%d.%u.%08x", static_cast<long long>(std::time(nullptr)), static_cast<int>(getpid()),
                  counter.fetch_add(1), rd()) +
           from.substr(from.find('@')) + ">";
}

std::string JoinAddresses(const std::vector<std::string>& list) {
    std::string s;
    for (const auto& a : list) s += (s.empty() ? "" : ", ") + a;
    return s;
}

TSendResult Result(TSendStatus status, std::string message) { return {status, std::move(message)}; }

// Checks what must hold before a connection is made.
TSendResult CheckMessage(const TMailMessage& m) {
    std::string error, bare;
    if (!BareAddress(m.from, bare, &error)) return Result(TSendStatus::Invalid, "sender: " + error);
    if (m.to.empty()) return Result(TSendStatus::Invalid, "no recipient address given");
    for (const auto* list : {&m.to, &m.cc})
        for (const auto& a : *list)
            if (!BareAddress(a, bare, &error) || bare != a) return Result(TSendStatus::Invalid, error);
    if (m.attachment.size() > kMaxAttachmentSize)
        return Result(TSendStatus::Invalid, m.attachmentName + ": the attachment has " +
                                                std::to_string(m.attachment.size()) + " bytes, more than the " +
                                                std::to_string(kMaxAttachmentSize) + " that are sent");
    return Result(TSendStatus::Sent, "");
}

// What the server said, read from libcurl's protocol trace: its last complete reply,
// whether it took the message data (354) and whether it answered after that.
struct TServerReplies {
    std::string partial;  // the lines of a reply not yet complete
    std::string last;     // the last complete reply, its lines joined by blanks
    bool dataAccepted = false;
    bool answeredAfterData = false;
};

// A reply longer than this is cut: it is only shown.
constexpr std::size_t kMaxReplyShown = 300;

int OnTrace(CURL*, curl_infotype type, char* data, std::size_t size, void* user) {
    if (type != CURLINFO_HEADER_IN) return 0;
    auto* r = static_cast<TServerReplies*>(user);
    const std::string_view line = TrimmedView(std::string_view(data, size));
    if (r->partial.size() < kMaxReplyShown) r->partial += (r->partial.empty() ? "" : " ") + std::string(line);
    // The last line of a reply has a blank (or nothing) after its code, the others "-".
    if (line.size() < 3 || (line.size() > 3 && line[3] == '-')) return 0;
    if (r->dataAccepted) r->answeredAfterData = true;
    if (line.substr(0, 3) == "354") r->dataAccepted = true;
    r->last = PrintableText(CutTo(r->partial, kMaxReplyShown));
    r->partial.clear();
    return 0;
}

// Hands the attachment to libcurl piece by piece, so that a failure can tell whether
// all of it had left: the attachment is the message's last part but for its closing
// line.
struct TAttachmentReader {
    const std::string* data = nullptr;
    std::size_t pos = 0;
    bool AllRead() const { return pos >= data->size(); }
};

std::size_t ReadAttachment(char* buffer, std::size_t size, std::size_t count, void* arg) {
    auto* r = static_cast<TAttachmentReader*>(arg);
    const std::size_t n = std::min(size * count, r->data->size() - r->pos);
    std::memcpy(buffer, r->data->data() + r->pos, n);
    r->pos += n;
    return n;
}

int SeekAttachment(void* arg, curl_off_t offset, int origin) {
    auto* r = static_cast<TAttachmentReader*>(arg);
    if (origin != SEEK_SET || offset < 0 || static_cast<std::size_t>(offset) > r->data->size())
        return CURL_SEEKFUNC_FAIL;
    r->pos = static_cast<std::size_t>(offset);
    return CURL_SEEKFUNC_OK;
}

bool IsErrorReply(const std::string& reply) { return !reply.empty() && (reply[0] == '4' || reply[0] == '5'); }

std::string Where(const TSmtpSettings& s) { return s.host + ":" + std::to_string(s.port) + ": "; }

std::string FailureText(CURLcode code, const char* detail, const TServerReplies& replies, const TSmtpSettings& s) {
    std::string text = curl_easy_strerror(code);
    if (detail && *detail && text != detail) text += " (" + std::string(detail) + ")";
    if (IsErrorReply(replies.last)) text += "; " + LS(lsServerAnswered) + " " + replies.last;
    return Where(s) + text;
}

// What a failed transfer means for the message: once the server has taken the data,
// its answer to the end of the data decides; without one, the whole message having
// left means it may have been delivered.
TSendResult FailureResult(CURLcode code, const char* detail, const TServerReplies& replies, bool wholeMessageSent,
                          const TSmtpSettings& s, long timeout) {
    if (replies.dataAccepted && replies.answeredAfterData)
        return Result(TSendStatus::Failed, Where(s) + LS(lsMailRefused) + " " + replies.last);
    if (replies.dataAccepted && wholeMessageSent)
        return Result(TSendStatus::Unconfirmed,
                      Where(s) + LS(lsMailUnconfirmed) + " (" + curl_easy_strerror(code) + ")");
    switch (code) {
        case CURLE_USE_SSL_FAILED:
            return Result(TSendStatus::NoTLS, Where(s) +
                                                  "the server offers no encryption (STARTTLS); the user name and "
                                                  "password are only sent over an encrypted connection, so nothing was "
                                                  "sent. Use the server's encrypted port (465 or 587) or a server "
                                                  "without login");
        case CURLE_OPERATION_TIMEDOUT:
            if (replies.dataAccepted)
                return Result(TSendStatus::TimedOut,
                              Where(s) + LS(lsMailStalled) + " (" + std::to_string(timeout) + " s)");
            return Result(TSendStatus::TimedOut, Where(s) + "no answer from the server within " +
                                                     std::to_string(timeout) + " seconds (time-out); nothing was sent");
        default: return Result(TSendStatus::Failed, FailureText(code, detail, replies, s));
    }
}

}  // namespace

std::string SmtpUrl(const std::string& host, int port) {
    std::string name = host;
    bool implicitTls = port == 465;
    if (StartsText("smtps://", name)) {
        name = name.substr(8);
        implicitTls = true;
    } else if (StartsText("smtp://", name)) {
        name = name.substr(7);
    }
    while (!name.empty() && name.back() == '/') name.pop_back();
    // An IPv6 address needs its brackets in a URL.
    if (name.find(':') != std::string::npos && name.front() != '[') name = "[" + name + "]";
    return std::string(implicitTls ? "smtps://" : "smtp://") + name + ":" + std::to_string(port);
}

TSendResult SendMail(const TSmtpSettings& s, const TMailMessage& m) {
    if (TSendResult check = CheckMessage(m); !check.Ok()) return check;
    if (Trim(s.host).empty()) return Result(TSendStatus::Invalid, "no SMTP server given");
    if (s.port <= 0 || s.port > 65535)
        return Result(TSendStatus::Invalid, "SMTP port " + std::to_string(s.port) + " is out of range");
    InitCurlOnce();
    CurlPtr<CURL> curl(curl_easy_init());
    if (!curl) return Result(TSendStatus::Failed, "the mail library could not be started");
    CURL* c = curl.get();
    char detail[CURL_ERROR_SIZE] = {0};
    const std::string url = SmtpUrl(Trim(s.host), s.port);
    const bool login = !s.userName.empty() && !s.password.empty();
    const long timeout = s.timeoutSeconds > 0 ? s.timeoutSeconds : kDefaultSmtpTimeoutSeconds;

    CurlPtr<curl_slist> recipients, headers;
    bool listsOk = true;
    for (const auto* list : {&m.to, &m.cc})
        for (const auto& a : *list) listsOk = listsOk && Append(recipients, "<" + a + ">");
    const std::string from = "<" + m.from + ">";
    listsOk = listsOk && Append(headers, "Date: " + DateHeader()) && Append(headers, "From: " + m.from) &&
              Append(headers, "To: " + JoinAddresses(m.to)) &&
              (m.cc.empty() || Append(headers, "Cc: " + JoinAddresses(m.cc))) &&
              Append(headers, "Subject: " + EncodeHeaderText(m.subject)) &&
              Append(headers, "Message-ID: " + MessageId(m.from));
    if (!listsOk) return Result(TSendStatus::Failed, "out of memory");

    CurlPtr<curl_mime> mime(curl_mime_init(c));
    curl_mimepart* body = curl_mime_addpart(mime.get());
    curl_mime_data(body, m.body.data(), m.body.size());
    curl_mime_type(body, "text/plain; charset=windows-1252");
    curl_mime_encoder(body, "quoted-printable");
    curl_mimepart* file = curl_mime_addpart(mime.get());
    TAttachmentReader attachment{&m.attachment};
    curl_mime_data_cb(file, static_cast<curl_off_t>(m.attachment.size()), ReadAttachment, SeekAttachment, nullptr,
                      &attachment);
    curl_mime_filename(file, m.attachmentName.c_str());
    curl_mime_type(file, "text/plain; charset=ISO-8859-1");
    curl_mime_encoder(file, "base64");

    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    // With a login, STARTTLS is required (a server without it is refused before the
    // credentials leave); without one it is used when offered.
    curl_easy_setopt(c, CURLOPT_USE_SSL, login ? static_cast<long>(CURLUSESSL_ALL) : static_cast<long>(CURLUSESSL_TRY));
    if (login) {
        curl_easy_setopt(c, CURLOPT_USERNAME, s.userName.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, s.password.c_str());
    }
    if (!s.caFile.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, s.caFile.c_str());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, timeout);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeout);
    // The answers have their time-out; the message data has none of its own, so a
    // server that stops reading it would hold the transfer for ever: not a byte moved
    // for as long as a connection may take ends it.
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, timeout);
    TServerReplies replies;
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, OnTrace);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &replies);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);

    // curl_easy_perform closes the connection when it returns (the handle is not
    // reused), also after a failure.
    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK) return Result(TSendStatus::Sent, "");
    return FailureResult(code, detail, replies, attachment.AllRead(), s, timeout);
}

}  // namespace qz
