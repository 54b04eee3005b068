// The writer base, the shared field helpers and the output-window operations.
#include "export/exporter.h"

#include <filesystem>
#include <system_error>

#include "base/fileio.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "contests/iaru.h"
#include "engine/compilesettings.h"
#include "export/adifexport.h"
#include "export/cabrilloexport.h"
#include "export/dbaseexport.h"
#include "export/resexport.h"
#include "export/stfexport.h"
#include "export/swisslogexport.h"

namespace qz {

namespace {

constexpr std::size_t kKeyWidth = 13;
// Field widths in the writers' formats are small; a larger one is a mistake, not a
// reason to allocate.
constexpr int kMaxFieldWidth = 255;

struct TExportTextEntry {
    int languageString;
    const char* english;
};
// Language-string numbers chosen for the writers' own messages; the English text
// stands in while the loaded language file has no such line.
constexpr TExportTextEntry kExportTexts[] = {
    {680, "value cut to the width of its Cabrillo column:"},
    {681, "own call cut to 13 characters in the Cabrillo QSO lines:"},
};

// The line whose band and mode stand for the log: the first good one, else line 0.
const TQSO* ReferenceLine(const TContestLog& log) {
    for (int i = 0; i < log.NoOfQSOs(); ++i)
        if (log.QSOs(i)->IsGood()) return log.QSOs(i);
    return log.QSOs(0);
}

}  // namespace

void TExport::ExportLog(std::vector<std::string>&) {}

bool TExport::WriteLog(const std::string& fileName) {
    FFileName = fileName;
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec)) return true;
    return AskOkCancel(fileName + " " + LS(lsOverwriteConfirm)) == TMsgAnswer::Ok;
}

void TExport::AddMessage(const std::string& text, int qsoIndex) {
    FContestLog.AddMessage(text, qsoIndex);
    FMessages.push_back(qsoIndex < 0 ? text : Format("QSO #%d: %s", qsoIndex + 1, text.c_str()));
}

std::string CategoryBandValue(const TContestLog& log) {
    if (log.GetUsedBands() == ubAllBands) return std::string(CabrilloUsedBandsNames[ubAllBands]);
    const TQSO* q = ReferenceLine(log);
    return q ? UpperCase(CategoryName(BandNames, q->Band())) : std::string();
}

std::string CategoryModeValue(const TContestLog& log) {
    if (log.GetUsedModes() == umMixedMode) return std::string(CabrilloUsedModesNames[umMixedMode]);
    const TQSO* q = ReferenceLine(log);
    return q ? UpperCase(CategoryName(ModeNames, q->Mode())) : std::string();
}

std::string ExportText(TExportText text) {
    const TExportTextEntry& e = kExportTexts[text];
    std::string s = LS(e.languageString);
    return s.empty() ? std::string(e.english) : s;
}

std::string KeyValueLine(std::string_view key, std::string_view value) {
    std::string line(key);
    if (line.size() < kKeyWidth) line.resize(kKeyWidth, ' ');
    line += value;
    return line;
}

std::string FormatField(std::string_view fmt, std::string_view value) {
    if (value.empty()) value = "-";
    std::size_t pct = fmt.find('%');
    if (pct == std::string_view::npos) return std::string(fmt);
    std::size_t i = pct + 1;
    bool left = false;
    if (i < fmt.size() && fmt[i] == '-') {
        left = true;
        ++i;
    }
    auto number = [&](int& n) {
        n = 0;
        bool any = false;
        while (i < fmt.size() && IsDigit(fmt[i])) {
            if (n < kMaxFieldWidth) n = n * 10 + (fmt[i] - '0');
            any = true;
            ++i;
        }
        if (n > kMaxFieldWidth) n = kMaxFieldWidth;
        return any;
    };
    int width = 0, precision = -1;
    number(width);
    if (i < fmt.size() && fmt[i] == '.') {
        ++i;
        number(precision);
    }
    if (i >= fmt.size() || fmt[i] != 's') return std::string(fmt);
    std::string v(value);
    if (precision >= 0 && v.size() > static_cast<std::size_t>(precision)) v.resize(static_cast<std::size_t>(precision));
    if (v.size() < static_cast<std::size_t>(width)) {
        std::string pad(static_cast<std::size_t>(width) - v.size(), ' ');
        v = left ? v + pad : pad + v;
    }
    return std::string(fmt.substr(0, pct)) + v + std::string(fmt.substr(i + 1));
}

std::vector<std::string> HeaderTextLines(std::string_view text) {
    if (text.empty()) return {};
    return SplitLines(text);
}

std::string JoinHeaderText(std::string_view text) {
    // A text of one line keeps its own blanks; only line breaks become blanks.
    if (text.find_first_of("\r\n") == std::string_view::npos) return LineSafe(text);
    std::string joined;
    for (const auto& line : HeaderTextLines(text)) {
        std::string part = Trim(line);
        if (part.empty()) continue;
        if (!joined.empty()) joined += ' ';
        joined += part;
    }
    return LineSafe(joined);
}

std::string LineSafe(std::string_view value) {
    std::string s(value);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return s;
}

std::string FieldSafe(std::string_view value) {
    std::string s = Trim(value);
    for (char& c : s)
        if (static_cast<unsigned char>(c) <= 0x20) c = '_';
    return s;
}

// Output windows

SOutputWindow OutputWindowsToCheck(const TFileHeader& header) {
    const TNumVersion& v = header.fhQZ_LastModifiedVersion;
    if (v.MainVersion == 4 && v.SubVersion == 0 && v.Release <= 0) return {};
    SOutputWindow checked;
    for (TOutputWindow w : kCheckOrder)
        if (header.fhQZ_OutputWindows.Contains(w)) checked.Include(w);
    return checked;
}

SOutputWindow OutputWindowsToStore(SOutputWindow checked) {
    SOutputWindow stored{owMessages};
    for (TOutputWindow w : kRefreshOrder)
        if (checked.Contains(w)) stored.Include(w);
    return stored;
}

bool OutputWindowTabVisible(TOutputWindow window, SOutputWindow checked) {
    return window == owMessages || checked.Contains(window);
}

bool CompileOverwritesEdits(SOutputWindow modified) {
    modified.Exclude(owMessages);
    return !modified.Empty();
}

std::string OutputWindowExtension(TOutputWindow window) {
    if (window >= kNoOfOutputWindows) return {};
    return std::string(OutputWindowExtensions[window]);
}

int OutputWindowFilter(TOutputWindow window) {
    if (window >= kNoOfOutputWindows) return 0;
    return OutputWindowFilterStrings[window];
}

std::string OwnCallFileStem(std::string_view ownCall) {
    std::string stem(ownCall);
    for (char& c : stem)
        if (c == '/') c = '_';
    return stem;
}

std::string ProposedExportFileName(std::string_view exportFolder, std::string_view ownCall, TOutputWindow window) {
    std::string name(exportFolder);
    if (!name.empty() && name.back() != '/') name += '/';
    return name + OwnCallFileStem(ownCall) + "." + OutputWindowExtension(window);
}

std::string ExportOverwriteQuestion(const std::string& fileName) { return fileName + " " + LS(lsOverwriteExisting); }

std::unique_ptr<TExport> CreateOutputWindowWriter(TOutputWindow window, const TContestLog& log) {
    switch (window) {
        case owSTF: return std::make_unique<TSTFExport>(log);
        case owCabrillo: return std::make_unique<TCabrilloExport>(log);
        case owADIF: return std::make_unique<TADIFExport>(log);
        case owRES: return std::make_unique<TRESExport>(log);
        case owSwisslog: return std::make_unique<TSwisslogExport>(log);
        default: return nullptr;
    }
}

namespace {

// The score settings a result depends on, when any differs from its default: an empty
// line and "Compile settings: " with each (the compile settings as the settings file
// names them; the IARU points of the options page when an IARU log scores with them),
// so that a result can be reproduced.
void AppendScoreSettings(const TContestLog& log, std::vector<std::string>& lines) {
    std::string changed;
    for (const std::string& s : NonDefaultCompileSettings(log.CompileSettings()))
        changed += (changed.empty() ? "" : ", ") + s;
    const TIARUPoints points = IARUOptionPoints();
    const TIARUPoints defaults;
    if (log.Contest() == cIARU && IARUPointsFromOptions() &&
        (points.HQ != defaults.HQ || points.SameZone != defaults.SameZone ||
         points.SameContinent != defaults.SameContinent || points.OtherContinent != defaults.OtherContinent))
        changed += (changed.empty() ? "" : ", ") + Format(
                                                       "IARU points HQ=%d SameZone=%d SameContinent=%d "
                                                       "OtherContinent=%d",
                                                       points.HQ, points.SameZone, points.SameContinent,
                                                       points.OtherContinent);
    if (changed.empty()) return;
    lines.push_back("");
    lines.push_back("Compile settings: " + changed);
}

}  // namespace

bool ProduceOutputWindow(TOutputWindow window, const TContestLog& log, std::vector<std::string>& lines,
                         std::vector<std::string>* messages) {
    lines.clear();
    if (window == owComments) {
        log.WriteAllComments(lines);
        return true;
    }
    if (window == owResult) {
        log.WriteResults(lines);
        AppendScoreSettings(log, lines);
        return true;
    }
    std::unique_ptr<TExport> writer = CreateOutputWindowWriter(window, log);
    if (!writer) return false;
    writer->ExportLog(lines);
    if (messages) messages->insert(messages->end(), writer->Messages().begin(), writer->Messages().end());
    return true;
}

bool ProduceExportFile(TOutputWindow window, const TContestLog& log, std::string& bytes,
                       std::vector<std::string>* messages, TDateTime writtenAt) {
    bytes.clear();
    if (window == owDBase) {
        bytes = TdBaseExport(log).TableBytes(writtenAt);
        return true;
    }
    std::vector<std::string> lines;
    if (!ProduceOutputWindow(window, log, lines, messages)) return false;
    bytes = OutputFileText(lines);
    return true;
}

void RefreshOutputWindows(const TContestLog& log, SOutputWindow windows, SOutputWindow checked,
                          const std::function<void(TOutputWindow, std::vector<std::string>&)>& fill) {
    for (TOutputWindow w : kRefreshOrder) {
        if (!windows.Contains(w) || !checked.Contains(w)) continue;
        std::vector<std::string> lines;
        if (ProduceOutputWindow(w, log, lines)) fill(w, lines);
    }
}

std::string OutputFileText(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    return text;
}

bool SaveOutputFile(const std::string& path, const std::vector<std::string>& lines, std::string* error) {
    return WriteFileAtomically(path, OutputFileText(lines), error);
}

}  // namespace qz
