// Loading, companion files and record messages of the binary converters.
#include "import/binaryconvert.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "base/fileio.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/lsnumbers.h"

namespace qz {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxNotes = 1000;

double TimeKey(const TQSO& q) { return std::isnan(q.DateTime()) ? HUGE_VAL : q.DateTime(); }

}  // namespace

TBinaryConvert::TBinaryConvert(std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FCap(messages, kMaxNotes) {}

TBinaryConvert::TBinaryConvert(std::string_view bytes, std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages),
      FCap(messages, kMaxNotes),
      FBytes(bytes),
      FLoaded(true),
      FFromBytes(true) {
    FileNotFound = false;
}

std::string TBinaryConvert::ConvertLog(bool showMessageBoxes) {
    FCap = TMessageCap(FMessages, kMaxNotes);
    std::string written;
    if (BuildLog(showMessageBoxes)) written = StoreConvertedLog();
    FCap.Finish(FFileName + ": ");
    FContestLog.reset();
    return written;
}

bool TBinaryConvert::Peek(std::size_t count, std::string& first, std::uint64_t& size) const {
    if (FLoaded) {
        first.assign(FBytes, 0, std::min(count, FBytes.size()));
        size = FBytes.size();
        return true;
    }
    return ReadFileStart(FFileName, count, first, &size);
}

bool TBinaryConvert::Load() {
    if (FLoaded) return true;
    if (!ReadWholeFile(FFileName, FBytes, &FLastError)) return false;
    FLoaded = true;
    return true;
}

std::string TBinaryConvert::CompanionFileName(const std::string& fileName) {
    const std::string wanted = fs::path(fileName).replace_extension(".QTC").string();
    const std::string found = FindFileIgnoringCase(wanted);
    std::error_code ec;
    return fs::is_regular_file(found, ec) ? found : std::string();
}

bool TBinaryConvert::LoadCompanion(std::string& bytes, std::string& name) {
    if (FCompanion) {
        bytes = *FCompanion;
        name = fs::path(FFileName).replace_extension(".QTC").string();
        return true;
    }
    if (FFromBytes) return false;
    name = CompanionFileName(FFileName);
    if (name.empty()) return false;
    std::string error;
    if (!ReadWholeFile(name, bytes, &error)) {
        AddMessage(error);
        return false;
    }
    return true;
}

void TBinaryConvert::RecordNote(const std::string& file, std::size_t record, const std::string& text) {
    if (FCap.Full()) {
        FCap.Skip();
        return;
    }
    FCap.Add(file + ": record " + std::to_string(record) + ": " + text);
}

bool TBinaryConvert::RecordError(std::size_t record, const std::string& text) {
    FLastError = FFileName + ": record " + std::to_string(record) + ": " + text;
    FContestLog.reset();
    return false;
}

void TBinaryConvert::DropCutRecord(const std::string& file, std::size_t record, std::size_t have, std::size_t size) {
    DropLine(file + ": record " + std::to_string(record) + ": the file ends inside this record (" +
             std::to_string(have) + " of " + std::to_string(size) + " bytes); it was not read");
}

TQSO& TBinaryConvert::AppendLine(bool setEditedFlag) {
    TContestLog& log = *FContestLog;
    const int before = log.NoOfQSOs();
    log.CreateAndAppendQSO(setEditedFlag);
    if (log.NoOfQSOs() == before) log.AppendQSO(log.NewQSO(setEditedFlag));
    return *log.QSOs(log.NoOfQSOs() - 1);
}

void TBinaryConvert::InsertRowsAtTime(std::vector<std::unique_ptr<TQSO>> rows) {
    TContestLog& log = *FContestLog;
    bool sorted = true;
    for (int i = 1; i < log.NoOfQSOs() && sorted; ++i) sorted = TimeKey(*log.QSOs(i - 1)) <= TimeKey(*log.QSOs(i));
    if (!sorted) {
        // Each row goes before the first line that is later than it, as typed in.
        for (auto& row : rows) log.InsertQSOAtTime(std::move(row));
        return;
    }
    // On a sorted log that is a stable merge: a row follows the lines of its own time
    // and the rows of that time inserted before it.
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return TimeKey(*a) < TimeKey(*b); });
    std::vector<std::unique_ptr<TQSO>> lines;
    log.SwapQSOList(lines);
    std::vector<std::unique_ptr<TQSO>> merged;
    merged.reserve(lines.size() + rows.size());
    std::size_t l = 0;
    for (auto& row : rows) {
        while (l < lines.size() && TimeKey(*lines[l]) <= TimeKey(*row)) merged.push_back(std::move(lines[l++]));
        merged.push_back(std::move(row));
    }
    while (l < lines.size()) merged.push_back(std::move(lines[l++]));
    log.SwapQSOList(merged);
}

}  // namespace qz
