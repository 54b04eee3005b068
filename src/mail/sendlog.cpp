#include "mail/sendlog.h"

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/settingsstore.h"
#include "base/text.h"
#include "mail/emailfile.h"
#include "mail/mailaddress.h"
#include "mail/robotaddresses.h"

namespace qz {

namespace {

TSendOutcome Failure(TSendStatus status, const std::string& error, TRecipientStore store) {
    ShowErrorMessage(LS(lsSendingFailed) + ": " + error);
    TSendOutcome out;
    out.status = status;
    out.recipientStore = store;
    out.error = error;
    return out;
}

TEMailFile KeptMessage(const TSendRequest& r, const TOptions& o, bool copy) {
    TEMailFile m;
    m.ehSMTPHost = o.EMail_SMTPHost.oValue;
    m.ehFrom = o.EMail_Sender.oValue;
    m.ehTo = r.recipients;
    m.ehCopy = copy ? o.EMail_Sender.oValue : std::string();
    m.ehSubject = r.subject;
    m.ehCall = r.ownCall;
    if (r.contest < kNoOfContests) m.ehContest = ContestNames[static_cast<std::size_t>(r.contest)];
    m.ehBody = r.body;
    m.ehAttachment = r.attachment;
    m.ehAttachmentName = r.attachmentName;
    return m;
}

}  // namespace

TRecipientStore OfferToStoreRecipient(TContest contest, const std::string& recipients) {
    if (contest <= cNoContest || contest > kNoOfRobotAddresses) return TRecipientStore::NotAsked;
    std::string& stored = EMailAddresses[static_cast<std::size_t>(contest)];
    const std::string typed = Trim(recipients);
    if (typed.empty() || SameText(typed, stored) || typed.size() > kMaxRobotAddressLength)
        return TRecipientStore::NotAsked;
    if (AskYesNo(LS(lsStoreRobotAddress)) != TMsgAnswer::Yes) return TRecipientStore::Declined;
    stored = typed;
    TEMailAddressList list;
    if (list.SaveToFile()) return TRecipientStore::Stored;
    ShowErrorMessage(list.Error());
    return TRecipientStore::NotWritten;
}

TSmtpSettings SmtpSettingsFromOptions(const TOptions& options) {
    TSmtpSettings s;
    s.host = Trim(options.EMail_SMTPHost.oValue);
    s.port = options.EMail_SMTPPort.oValue;
    s.userName = options.EMail_UserName.oValue;
    s.password = options.EMail_Password.oValue;
    s.timeoutSeconds = ReadSettingInteger("EMail_ConnectTimeout", kDefaultSmtpTimeoutSeconds);
    s.caFile = ReadSettingString("EMail_CAFile", "");
    return s;
}

std::string BodyWithFooter(const std::string& body) { return body + "\r\n\r\n" + kMailFooter + "\r\n"; }

TSendOutcome SendLogByEMail(const TSendRequest& request, const TOptions& options,
                            const TCredentialsQuery& askCredentials) {
    if (Trim(options.EMail_SMTPHost.oValue).empty() || Trim(options.EMail_Sender.oValue).empty()) {
        ShowErrorMessage(LS(lsSMTPSettingsMissing));
        TSendOutcome out;
        out.status = TSendStatus::Invalid;
        out.error = LS(lsSMTPSettingsMissing);
        return out;
    }
    TMailMessage message;
    std::string error;
    const TRecipientStore notAsked = TRecipientStore::NotAsked;
    if (!BareAddress(options.EMail_Sender.oValue, message.from, &error))
        return Failure(TSendStatus::Invalid, "sender: " + error, notAsked);
    if (!ParseAddressList(request.recipients, message.to, &error))
        return Failure(TSendStatus::Invalid, error, notAsked);
    if (request.attachment.size() > kMaxAttachmentSize)
        return Failure(TSendStatus::Invalid,
                       request.attachmentName + ": the attachment has " + std::to_string(request.attachment.size()) +
                           " bytes, more than the " + std::to_string(kMaxAttachmentSize) + " that are sent",
                       notAsked);
    const TRecipientStore store = OfferToStoreRecipient(request.contest, request.recipients);

    TSmtpSettings settings = SmtpSettingsFromOptions(options);
    if ((settings.userName.empty() || settings.password.empty()) && askCredentials &&
        !askCredentials(settings.userName, settings.password)) {
        TSendOutcome out;
        out.cancelled = true;
        out.recipientStore = store;
        out.error = "cancelled";
        return out;
    }
    const bool copy = options.EMail_SendACopyToMe.oValue;
    if (copy) message.cc.push_back(message.from);
    message.subject = request.subject;
    message.body = BodyWithFooter(request.body);
    message.attachmentName = request.attachmentName;
    message.attachment = request.attachment;

    const TSendResult result = SendMail(settings, message);
    if (!result.Ok()) return Failure(result.status, result.message, store);

    TSendOutcome out;
    out.status = TSendStatus::Sent;
    out.recipientStore = store;
    TEMailFile kept = KeptMessage(request, options, copy);
    std::string keepError;
    out.keptFile = kept.SaveToFile(options.Path_EMails.oValue, NowLocal(), &keepError);
    ShowInfoMessage(LS(lsMailSent) + "\n\n" +
                    (out.keptFile.empty() ? LS(lsMessageNotKept) + (keepError.empty() ? "" : " (" + keepError + ")")
                                          : LS(lsMessageKeptAs) + " \"" + out.keptFile + "\"."));
    return out;
}

}  // namespace qz
