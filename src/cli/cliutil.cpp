#include "cli/cliutil.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

#include "base/encoding.h"
#include "base/fileio.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "cli/terminal.h"
#include "import/contestnames.h"

namespace qz::cli {

std::string Shown(std::string text, const std::string& path) {
    if (path.empty()) return text;
    const std::string converted = Utf8ToCp1252(path);
    for (std::size_t at = text.find(path); at != std::string::npos; at = text.find(path, at + converted.size()))
        text.replace(at, path.size(), converted);
    return text;
}

std::string NamedOnce(const std::string& error, const std::string& path) {
    if (error.empty()) return Utf8ToCp1252(path);
    if (error.find(path) != std::string::npos) return Shown(error, path);
    return Utf8ToCp1252(path) + ": " + error;
}

int ReportDroppedLines(const std::string& command, const std::string& path, const TDroppedLines& dropped,
                       bool listedElsewhere) {
    if (dropped.count == 0) return 0;
    const std::string prefix = "qz " + command + ": ";
    if (!listedElsewhere)
        for (const std::string& m : dropped.listed) Err(prefix + EscapedControls(NamedOnce(m, path)) + "\n");
    const std::string lines = dropped.count == 1 ? "1 line" : std::to_string(dropped.count) + " lines";
    Err(prefix + EscapedControls(Utf8ToCp1252(path)) + ": " + lines + " could not be read and " +
        (dropped.count == 1 ? "is" : "are") + " not in the log" +
        (!listedElsewhere && dropped.Unlisted() > 0 ? " (" + std::to_string(dropped.Unlisted()) + " not listed)" : "") +
        "\n");
    return dropped.count;
}

bool ParseContest(const std::string& text, TContest& contest) {
    std::int32_t ordinal;
    if (TryStrToInt(text, ordinal)) {
        if (ordinal <= cNoContest || ordinal >= cEndOfContestlist) return false;
        contest = static_cast<TContest>(ordinal);
        return true;
    }
    const TContest named = ContestFromSpelling(Utf8ToCp1252(text));
    if (named == cNoContest || named >= cEndOfContestlist) return false;
    contest = named;
    return true;
}

namespace {

// Appends the file names of `source` ("-" = standard input) to `files`.
bool ReadFileList(const std::string& command, const std::string& source, std::vector<std::string>& files) {
    std::ifstream file;
    if (source != "-") {
        std::error_code ec;
        if (std::filesystem::is_directory(source, ec)) {
            Err("qz " + command + ": " + Utf8ToCp1252(source) + ": is a folder, not a file list\n");
            return false;
        }
        file.open(source);
        if (!file) {
            Err("qz " + command + ": cannot read the file list " + Utf8ToCp1252(source) + "\n");
            return false;
        }
    }
    std::istream& in = source == "-" ? std::cin : file;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!Trim(line).empty()) files.push_back(line);
    }
    return true;
}

}  // namespace

int GatherFiles(const std::string& command, const std::vector<std::string>& lists, const TArgs& names,
                std::vector<std::string>& files) {
    for (const std::string& list : lists)
        if (!ReadFileList(command, list, files)) return 1;
    files.insert(files.end(), names.begin(), names.end());
    if (files.empty() && lists.empty()) {
        Err("qz " + command + ": no file given (see 'qz " + command.substr(0, command.find(' ')) + " --help')\n");
        return 2;
    }
    if (files.empty()) {
        // An empty list is a failed step before this one, not a run that went well.
        std::string shown;
        for (const std::string& list : lists) shown += (shown.empty() ? "" : ", ") + Utf8ToCp1252(list);
        Err("qz " + command + ": the file list names no file (" + shown + ")\n");
        return 1;
    }
    return 0;
}

bool ParseJobs(const std::string& command, const std::string& text, unsigned& jobs) {
    int n = 0;
    if (!TryStrToInt(text, n) || n < 1 || n > 1024) {
        Err("qz " + command + ": --jobs needs a number from 1 to 1024\n");
        return false;
    }
    jobs = static_cast<unsigned>(n);
    return true;
}

int TakeCommonOptions(TArgs& args, const std::string& command, unsigned accepted, TCommonOptions& options) {
    if (accepted & kOptMessages) options.messages = TakeFlag(args, "--messages");
    if (accepted & kOptCty) {
        if (TakeOption(args, "--cty", options.ctyFile) && options.ctyFile.empty()) {
            Err("qz " + command + ": --cty needs a file name\n");
            return 2;
        }
    }
    if (accepted & kOptLayout) {
        if (TakeOption(args, "--layout", options.layout) && options.layout.empty()) {
            Err("qz " + command + ": --layout needs a layout name\n");
            return 2;
        }
    }
    for (const auto& a : args) {
        if (a.size() > 1 && a[0] == '-') {
            Err("qz " + command + ": unknown option '" + Utf8ToCp1252(a) + "' (see 'qz " + command + " --help')\n");
            return 2;
        }
    }
    return 0;
}

bool LoadCountryFile(const std::string& command, TCommonOptions& options) {
    if (options.ctyFile.empty()) return true;
    auto loaded = std::make_shared<TCtyStuff>(options.ctyFile);
    if (loaded->CtyListCount() == 0) {
        Err("qz " + command + ": no country data: " + Shown(loaded->LoadError(), options.ctyFile) + "\n");
        return false;
    }
    options.cty = loaded;
    return true;
}

std::string ContestHint(bool contestUnknown) { return contestUnknown ? "; give the contest with --contest" : ""; }

TOpenLogOptions OpenOptions(const TCommonOptions& options) {
    TOpenLogOptions o;
    o.cty = options.cty;
    o.layoutName = Utf8ToCp1252(options.layout);
    // The terminal front end asks only with --ask on a terminal.
    o.askQuestions = true;
    return o;
}

TProvenance ProvenanceOf(const TContestLog& log) {
    TProvenance p;
    if (const TCtyStuff* cty = log.CtyStuff()) {
        // File names are bytes of the file system (UTF-8); texts are Windows-1252.
        p.ctyFile = Utf8ToCp1252(cty->FileName());
        p.ctyVersion = cty->Version();
    }
    if (p.ctyVersion.empty()) p.ctyVersion = "unknown";
    for (const std::string& s : NonDefaultCompileSettings(log.CompileSettings()))
        p.settings += (p.settings.empty() ? "" : ", ") + s;
    return p;
}

std::vector<std::string> ProvenanceLines(const TProvenance& p) {
    return {"Country file: " + p.ctyFile + ", version " + p.ctyVersion,
            "Compile settings: " + (p.settings.empty() ? std::string("defaults") : p.settings)};
}

bool WriteStdout(const std::string& bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) return false;
    return std::fflush(stdout) == 0;
}

bool OutputFileAllowed(const std::string& command, const std::string& outFile, const std::vector<std::string>& inputs,
                       bool force) {
    const std::string prefix = "qz " + command + ": ";
    if (const std::string* input = FindSameFile(outFile, inputs)) {
        Err(prefix + Utf8ToCp1252(outFile) + " is " +
            (inputs.size() == 1 ? std::string("the log itself") : "the log " + Utf8ToCp1252(*input)) +
            "; choose another name with -o\n");
        return false;
    }
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(outFile).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        Err(prefix + LS(lsLogFolderMissing) + " " + Utf8ToCp1252(folder.string()) + "\n");
        return false;
    }
    if (std::filesystem::exists(outFile, ec) || std::filesystem::is_symlink(outFile, ec)) {
        if (!force) {
            Err(prefix + Utf8ToCp1252(outFile) + " exists and was kept (--force replaces it)\n");
            return false;
        }
        if (std::filesystem::is_directory(outFile, ec)) {
            Err(prefix + Utf8ToCp1252(outFile) + ": is a folder, not a file\n");
            return false;
        }
    }
    return true;
}

}  // namespace qz::cli
