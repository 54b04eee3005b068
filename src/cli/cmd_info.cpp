// qz info: the detected type of files and the header of native logs.
#include <cmath>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/encoding.h"
#include "base/fileio.h"
#include "base/text.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "domain/defs.h"
#include "import/detect.h"
#include "logfile/qzf.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz info [--tsv] FILE...\n\n"
    "Shows for each file the type the program recognises and, for a native log, its\n"
    "header: own call, contest, categories, number of lines, and when and with which\n"
    "program version the file was created and last modified.\n"
    "  --tsv   tab-separated values, one row per file with a header line (tabs, line\n"
    "          ends and backslashes in fields written as \\t, \\n, \\r and \\\\)\n"
    "The exit status is 1 when a file cannot be read (it is named on standard error with\n"
    "the reason: no permission, cut short, ...) or a native log's header is damaged.\n";

// A stored time stamp as "YYYY-MM-DD HH:MM:SS"; "" for none, "?" for a damaged one.
std::string StampText(TDateTime dt) {
    if (dt == 0) return {};
    if (!std::isfinite(dt) || dt < -693593.0 || dt >= 2958466.0) return "?";
    CivilDate d = DecodeDate(dt);
    CivilTime t = DecodeTime(dt);
    return Format("%.4d-%.2d-%.2d %.2d:%.2d:%.2d", d.year, d.month, d.day, t.hour, t.minute, t.second);
}

std::string VersionText(const TNumVersion& v) {
    return Format("%d.%d.%d.%d", v.MainVersion, v.SubVersion, v.Release, v.Compilation);
}

std::string ContestText(const TFileHeader& h) {
    std::string name = TrimRight(ContestNames[h.fhContest_Contest]);
    if (h.fhContest_Year != 0) name += " " + std::to_string(h.fhContest_Year);
    return name;
}

struct TInfoRow {
    std::string file, type, call, contest, op, tx, assisted, power, station, time, overlay, lines, created,
        createdVersion, modified, modifiedVersion;
};

// Reads what a native log's header holds; the year comes from the first line when the
// file has one.
bool FillNativeRow(const std::string& path, TInfoRow& row, std::string& error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, &error)) return false;
    TFileHeader h;
    TQZF qzf;
    if (!qzf.ReadPreviewFromBytes(bytes, path, h) && !ReadNativeHeader(bytes, path, h, &error)) return false;
    row.call = h.fhUser_OwnCall;
    row.contest = ContestText(h);
    row.op = CategoryOperatorNames[h.fhContest_CategoryOperator];
    row.tx = CategoryTransmitterNames[h.fhContest_CategoryTransmitter];
    row.assisted = CategoryAssistedNames[h.fhContest_CategoryAssisted];
    row.power = CategoryPowerNames[h.fhContest_CategoryPower];
    row.station = CategoryStationNames[h.fhContest_CategoryStation];
    row.time = CategoryTimeNames[h.fhContest_CategoryTime];
    row.overlay = CategoryOverlayNames[h.fhContest_CategoryOverlay];
    row.lines = std::to_string(h.fhContest_NoOfQSOs);
    row.created = StampText(h.fhQZ_CreatedTimeStamp);
    row.createdVersion = VersionText(h.fhQZ_CreatedVersion);
    row.modified = StampText(h.fhQZ_lastModifiedTimeStamp);
    row.modifiedVersion = VersionText(h.fhQZ_LastModifiedVersion);
    return true;
}

void PrintBlock(const TInfoRow& r, bool native) {
    std::string s = r.file + "\n  type:           " + r.type + "\n";
    if (native) {
        s += "  own call:       " + r.call + "\n";
        s += "  contest:        " + r.contest + "\n";
        s += "  categories:     operator " + r.op + ", transmitter " + r.tx + ", assisted " + r.assisted + ", power " +
             r.power + ", station " + r.station + ", time " + r.time + ", overlay " + r.overlay + "\n";
        s += "  lines:          " + r.lines + "\n";
        s += "  created:        " + r.created + " (version " + r.createdVersion + ")\n";
        s += "  last modified:  " + r.modified + " (version " + r.modifiedVersion + ")\n";
    }
    Out(s);
}

}  // namespace

int CmdInfo(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    const bool tsv = TakeFlag(args, "--tsv");
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "info", 0, common)) return status;
    if (args.empty()) {
        Err("qz info: no file given (see 'qz info --help')\n");
        return 2;
    }
    TTable table({"file", "type", "call", "contest", "operator", "transmitter", "assisted", "power", "station", "time",
                  "overlay", "lines", "created", "created_version", "modified", "modified_version"});
    int status = 0;
    bool first = true;
    for (const auto& path : args) {
        TInfoRow row;
        row.file = Utf8ToCp1252(path);
        std::string error;
        if (CheckReadableFile(path, kMaxReadFileSize, &error) != TReadFileError::None) {
            Err("qz info: " + Shown(error, path) + "\n");
            status = 1;
            continue;
        }
        const TFileType type = DetectFileType(path, &error);
        if (type == ftUnknown && !error.empty()) {
            // Unreadable, or a log of a known format too damaged to be recognised.
            Err("qz info: " + NamedOnce(error, path) + "\n");
            status = 1;
            continue;
        }
        row.type = tsv ? std::string(FileTypeKeyword(type))
                       : std::string(FileTypeDescription(type)) + " (" + std::string(FileTypeKeyword(type)) + ")";
        const bool native = type == ftQZ4;
        if (native && !FillNativeRow(path, row, error)) {
            Err("qz info: " + Shown(error, path) + "\n");
            status = 1;
            continue;
        }
        if (tsv) {
            table.AddRow({row.file, row.type, row.call, row.contest, row.op, row.tx, row.assisted, row.power,
                          row.station, row.time, row.overlay, row.lines, row.created, row.createdVersion, row.modified,
                          row.modifiedVersion});
        } else {
            if (!first) Out("\n");
            PrintBlock(row, native);
        }
        first = false;
    }
    if (tsv) Out(table.Render(true));
    return status;
}

}  // namespace qz::cli
