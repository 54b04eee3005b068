#include "import/formatlist.h"

#include <algorithm>
#include <filesystem>

#include "base/binio.h"
#include "base/fileio.h"
#include "base/installfiles.h"
#include "base/text.h"
#include "logfile/qzf.h"

namespace qz {

namespace {

// The ten single fields in their stored order.
constexpr int TPositionRec::*kSingleFields[] = {
    &TPositionRec::Date_Day,   &TPositionRec::Date_Month, &TPositionRec::Date_Year, &TPositionRec::UTC_Hour,
    &TPositionRec::UTC_Minute, &TPositionRec::Call,       &TPositionRec::Band,      &TPositionRec::Mode,
    &TPositionRec::Sent_RST,   &TPositionRec::Rcvd_RST};

void WritePositions(TByteWriter& w, const TPositionRec& p, int sent, int rcvd) {
    for (auto field : kSingleFields) w.I32(p.*field);
    for (int i = 0; i < sent; ++i) w.I32(p.Sent_Numbers[static_cast<std::size_t>(i)]);
    for (int i = 0; i < rcvd; ++i) w.I32(p.Rcvd_Numbers[static_cast<std::size_t>(i)]);
}

void ReadPositions(TByteReader& r, TPositionRec& p, int sent, int rcvd) {
    for (auto field : kSingleFields) p.*field = r.I32();
    for (int i = 0; i < sent; ++i) p.Sent_Numbers[static_cast<std::size_t>(i)] = r.I32();
    for (int i = 0; i < rcvd; ++i) p.Rcvd_Numbers[static_cast<std::size_t>(i)] = r.I32();
}

}  // namespace

void TPosListRec::ClearColumns() {
    StartPos = TPositionRec{};
    EndPos = TPositionRec{};
}

std::string_view LayoutField(std::string_view line, int start, int end) {
    if (start <= 0 || end <= 0 || static_cast<std::size_t>(start) > line.size() || end < start) return {};
    const std::size_t from = static_cast<std::size_t>(start - 1);
    const std::size_t to = std::min(line.size(), static_cast<std::size_t>(end));
    return line.substr(from, to - from);
}

bool TFormatList::LoadFromBytes(std::string_view bytes, std::string* error) {
    FItems.clear();
    TByteReader r(bytes);
    bool ok = true;
    while (r.Left() > 0) {
        const std::size_t at = r.Pos();
        TPosListRec p;
        p.Name = r.Bytes(r.U8());
        p.FileExtension = r.Bytes(r.U8());
        p.NumberOfSentNumbers = r.I32();
        p.NumberOfRcvdNumbers = r.I32();
        if (!r.Ok() || p.NumberOfSentNumbers < 0 || p.NumberOfSentNumbers > kMaxLayoutNumbers ||
            p.NumberOfRcvdNumbers < 0 || p.NumberOfRcvdNumbers > kMaxLayoutNumbers) {
            if (error) *error = "the format list is damaged at byte " + std::to_string(at + 1);
            ok = false;
            break;
        }
        ReadPositions(r, p.StartPos, p.NumberOfSentNumbers, p.NumberOfRcvdNumbers);
        ReadPositions(r, p.EndPos, p.NumberOfSentNumbers, p.NumberOfRcvdNumbers);
        if (!r.Ok()) {
            if (error) *error = "the format list ends inside the layout at byte " + std::to_string(at + 1);
            ok = false;
            break;
        }
        FItems.push_back(std::move(p));
    }
    SetChanged(false);
    Sort();
    return ok;
}

bool TFormatList::LoadFromFile(const std::string& fileName, std::string* error) {
    FItems.clear();
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec)) return true;
    std::string bytes;
    if (!ReadWholeFile(fileName, bytes, error)) return false;
    std::string why;
    if (LoadFromBytes(bytes, &why)) return true;
    if (error) *error = fileName + ": " + why;
    return false;
}

std::string TFormatList::ToBytes() const {
    std::string out;
    TByteWriter w(out);
    for (const TPosListRec& p : FItems) {
        const int sent = std::clamp(p.NumberOfSentNumbers, 0, kMaxLayoutNumbers);
        const int rcvd = std::clamp(p.NumberOfRcvdNumbers, 0, kMaxLayoutNumbers);
        for (const std::string* s : {&p.Name, &p.FileExtension}) {
            const std::size_t n = std::min<std::size_t>(s->size(), 255);
            w.U8(static_cast<std::uint8_t>(n));
            w.Bytes(std::string_view(*s).substr(0, n));
        }
        w.I32(sent);
        w.I32(rcvd);
        WritePositions(w, p.StartPos, sent, rcvd);
        WritePositions(w, p.EndPos, sent, rcvd);
    }
    return out;
}

bool TFormatList::SaveToFile(const std::string& fileName, std::string* error) const {
    return ReplaceDataFile(fileName, ToBytes(), error);
}

void TFormatList::Add(TPosListRec layout) { FItems.push_back(std::move(layout)); }

void TFormatList::Delete(int index) {
    if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
}

void TFormatList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const TPosListRec& a, const TPosListRec& b) { return UpperCase(a.Name) < UpperCase(b.Name); });
}

bool TFormatList::Changed() const {
    return std::any_of(FItems.begin(), FItems.end(), [](const TPosListRec& p) { return p.Changed; });
}

void TFormatList::SetChanged(bool changed) {
    for (TPosListRec& p : FItems) p.Changed = changed;
}

int TFormatList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Items(i).Name, name)) return i;
    return -1;
}

int TFormatList::IndexOfFile(const std::string& fileName) const {
    const std::string ext = std::filesystem::path(fileName).extension().string();
    for (int i = 0; i < Count(); ++i) {
        std::string own = Items(i).FileExtension;
        if (own.empty()) continue;
        if (own[0] != '.') own.insert(own.begin(), '.');
        if (SameText(own, ext)) return i;
    }
    return -1;
}

std::string FormatListPath() { return InstalledFilePath(InstalledFile("FileFormatList.qz")); }

}  // namespace qz
