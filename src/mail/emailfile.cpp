#include "mail/emailfile.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "base/fileio.h"
#include "base/options.h"
#include "base/text.h"

namespace qz {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// A header value on one line: a line break inside it would start a new key.
std::string OneLine(std::string_view value) {
    std::string s(value);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

bool IsSectionLine(std::string_view line, std::string_view title) { return SameText(Trim(line), title); }

// Every line from `from` up to (not including) `to`, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text.append(lines[i]).append(kCrLf);
    return text;
}

}  // namespace

std::string EMailFileName(std::string_view date, std::string_view time, std::string_view call) {
    std::string stem(call);
    for (char& c : stem)
        if (c == '/' || c == '\\') c = '_';
    return std::string(date) + "_" + std::string(time) + "_" + stem + std::string(kEMailFileExtension);
}

std::string TEMailFile::ehFormattedDateTime() const {
    std::string s;
    if (FDate.size() == 8) s = FDate.substr(6, 2) + "." + FDate.substr(4, 2) + "." + FDate.substr(0, 4);
    if (FTime.size() == 6) s += "    " + FTime.substr(0, 2) + ":" + FTime.substr(2, 2) + ":" + FTime.substr(4, 2);
    return s;
}

std::string TEMailFile::Text() const {
    std::string t = "[Header]\r\n";
    const std::pair<const char*, const std::string*> keys[] = {{"SMTPHost", &ehSMTPHost},
                                                               {"Date", &FDate},
                                                               {"Time", &FTime},
                                                               {"From", &ehFrom},
                                                               {"To", &ehTo},
                                                               {"Copy", &ehCopy},
                                                               {"Subject", &ehSubject},
                                                               {"Call", &ehCall},
                                                               {"Contest", &ehContest},
                                                               {"AttachmentName", &ehAttachmentName}};
    for (const auto& [key, value] : keys) t += std::string(key) + "=" + OneLine(*value) + std::string(kCrLf);
    t += "\r\n[Body]\r\n" + ehBody + "\r\n\r\n[Attachment]\r\n" + ehAttachment + "\r\n";
    return t;
}

std::string TEMailFile::SaveToFile(const std::string& folder, TDateTime now, std::string* error) {
    const CivilDate d = DecodeDate(now);
    const CivilTime t = DecodeTime(now);
    FDate = Format("%.4d%.2d%.2d", d.year, d.month, d.day);
    FTime = Format("%.2d%.2d%.2d", t.hour, t.minute, t.second);
    namespace fs = std::filesystem;
    const std::string name = EMailFileName(FDate, FTime, ehCall);
    const std::string stem = name.substr(0, name.size() - kEMailFileExtension.size());
    fs::path path = fs::path(folder) / name;
    std::error_code ec;
    for (int n = 2; fs::exists(path, ec) || fs::is_symlink(path, ec); ++n) {
        if (n > 999) {
            if (error) *error = path.string() + ": too many messages of the same second";
            return {};
        }
        path = fs::path(folder) / (stem + "_" + std::to_string(n) + std::string(kEMailFileExtension));
    }
    if (!WriteFileAtomically(path.string(), Text(), error, {.createFolders = true})) return {};
    return path.string();
}

std::string TEMailFile::SaveToFile(std::string* error) {
    return SaveToFile(Options.Path_EMails.oValue, NowLocal(), error);
}

bool TEMailFile::LoadFromFile(const std::string& fileName, std::string* error) {
    std::string bytes;
    // A kept message holds one exported log; the cap only keeps out what is no message.
    if (!ReadWholeFile(fileName, bytes, error, 64u * 1024 * 1024)) return false;
    LoadFromText(bytes);
    return true;
}

void TEMailFile::LoadFromText(std::string_view text) {
    *this = TEMailFile();
    const std::vector<std::string> lines = SplitLines(text);
    std::size_t body = lines.size(), attachment = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (IsSectionLine(lines[i], "[Body]")) {
            body = i;
            break;
        }
    for (std::size_t i = body; i < lines.size(); ++i)
        if (IsSectionLine(lines[i], "[Attachment]")) {
            attachment = i;
            break;
        }
    // The header: key=value lines of the section [Header] before the body.
    std::string* const targets[] = {&ehSMTPHost, &FDate,     &FTime,  &ehFrom,    &ehTo,
                                    &ehCopy,     &ehSubject, &ehCall, &ehContest, &ehAttachmentName};
    const char* const keys[] = {"SMTPHost", "Date",    "Time", "From",    "To",
                                "Copy",     "Subject", "Call", "Contest", "AttachmentName"};
    bool inHeader = false;
    for (std::size_t i = 0; i < body; ++i) {
        const std::string line = Trim(lines[i]);
        if (!line.empty() && line.front() == '[') {
            inHeader = SameText(line, "[Header]");
            continue;
        }
        const auto eq = lines[i].find('=');
        if (!inHeader || eq == std::string::npos) continue;
        const std::string key = Trim(std::string_view(lines[i]).substr(0, eq));
        for (std::size_t k = 0; k < std::size(keys); ++k)
            if (SameText(key, keys[k])) *targets[k] = lines[i].substr(eq + 1);
    }
    // The body ends at the attachment's section line; the attachment runs to the end of
    // the file, so that its own lines beginning with "[" are kept.
    if (body < lines.size()) ehBody = JoinLines(lines, body + 1, attachment);
    if (attachment < lines.size()) ehAttachment = JoinLines(lines, attachment + 1, lines.size());
}

}  // namespace qz
