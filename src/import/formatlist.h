// The stored column layouts of the ASCII import: named layouts with the character
// columns of every field, kept sorted by name in a small binary file.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qz {

inline constexpr int kMaxLayoutNumbers = 40;

// Character columns counted from 1; 0 = the field is not used.
struct TPositionRec {
    int Date_Day = 0;
    int Date_Month = 0;
    int Date_Year = 0;
    int UTC_Hour = 0;
    int UTC_Minute = 0;
    int Call = 0;
    int Band = 0;
    int Mode = 0;
    int Sent_RST = 0;
    std::array<int, kMaxLayoutNumbers> Sent_Numbers{};
    int Rcvd_RST = 0;
    std::array<int, kMaxLayoutNumbers> Rcvd_Numbers{};
};

struct TPosListRec {
    std::string Name = "NoName";  // stored in upper case
    std::string FileExtension;    // without a leading "."
    int NumberOfSentNumbers = 0;
    int NumberOfRcvdNumbers = 0;
    TPositionRec StartPos;
    TPositionRec EndPos;
    bool Changed = false;  // edited since loading; not stored

    // Every column 0.
    void ClearColumns();
};

// A field's characters in `line`: columns `start` to `end` (both included, the end cut
// to the line); empty when either is 0 or the line is shorter than `start`.
std::string_view LayoutField(std::string_view line, int start, int end);

class TFormatList {
public:
    // Reads the layouts of `bytes`; false (with a message in `error`) when the bytes end
    // inside a layout or hold a count beyond 40 — the layouts before it are kept.
    bool LoadFromBytes(std::string_view bytes, std::string* error = nullptr);
    // A missing file gives an empty list and true.
    bool LoadFromFile(const std::string& fileName, std::string* error = nullptr);
    std::string ToBytes() const;
    // Copies an existing file into the backup folder first, then replaces it with the
    // whole list (ReplaceDataFile): a failed save leaves the previous file in place.
    bool SaveToFile(const std::string& fileName, std::string* error = nullptr) const;

    void Add(TPosListRec layout);
    void Clear() { FItems.clear(); }
    void Delete(int index);
    void Sort();
    int Count() const { return static_cast<int>(FItems.size()); }
    TPosListRec& Items(int index) { return FItems[static_cast<std::size_t>(index)]; }
    const TPosListRec& Items(int index) const { return FItems[static_cast<std::size_t>(index)]; }
    bool Changed() const;
    void SetChanged(bool changed);

    // The layout named `name` (ignoring case), else -1.
    int IndexOfName(std::string_view name) const;
    // The first layout whose extension is the file's (ignoring case), else -1.
    int IndexOfFile(const std::string& fileName) const;

private:
    std::vector<TPosListRec> FItems;
};

// The format list in the data folder.
std::string FormatListPath();

}  // namespace qz
