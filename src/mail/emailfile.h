// One kept e-mail: the record written after a log was sent, as a text file
// "<yyyymmdd>_<hhmmss>_<call>.qz_email" in the e-mail folder with a [Header] section of
// key=value lines, then [Body] and [Attachment] with the texts as they were sent
// (Windows-1252, CR LF line ends).
#pragma once

#include <string>
#include <string_view>

#include "base/datetime.h"

namespace qz {

inline constexpr std::string_view kEMailFileExtension = ".qz_email";

class TEMailFile {
public:
    std::string ehSMTPHost, ehFrom, ehTo, ehCopy, ehSubject, ehCall, ehContest, ehBody, ehAttachment;
    // The file name of the attachment as it was sent (a key the journal shows; files
    // of older versions have none).
    std::string ehAttachmentName;

    const std::string& ehDate() const { return FDate; }  // "yyyymmdd"
    const std::string& ehTime() const { return FTime; }  // "hhmmss", local time
    // "dd.mm.yyyy    hh:mm:ss" from the date and time; each part only when it has its
    // full length.
    std::string ehFormattedDateTime() const;

    // Sets the date and time from `now` (local time), writes the file into `folder`
    // (created when missing) and returns its full name; "" when nothing could be
    // written (`error` says why). An existing file is never replaced: a second message
    // of the same call in the same second gets "_2", "_3", ... before the extension.
    std::string SaveToFile(const std::string& folder, TDateTime now, std::string* error = nullptr);
    // The same into Options.Path_EMails at the current local time.
    std::string SaveToFile(std::string* error = nullptr);

    // Reads a kept message; false when the file does not exist or cannot be read.
    bool LoadFromFile(const std::string& fileName, std::string* error = nullptr);
    // The same from the file's bytes.
    void LoadFromText(std::string_view text);

    // The file's content.
    std::string Text() const;

private:
    std::string FDate, FTime;
};

// The name of a message file without folder: date, time, the call ("/" made "_") and
// the extension, "20130303_090507_RI0VEZ.qz_email".
std::string EMailFileName(std::string_view date, std::string_view time, std::string_view call);

}  // namespace qz
