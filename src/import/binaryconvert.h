// The common part of the converters of binary log files (CT, NA, QW): the whole file
// loaded with its size checks or handed in from memory, the companion file of QTC
// records, and messages that name the file and the record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/contestlog.h"
#include "import/convert.h"
#include "import/sourcetext.h"

namespace qz {

class TBinaryConvert : public TConvert {
public:
    TBinaryConvert(std::string fileName, std::vector<std::string>* messages);
    // Reads `bytes` instead of the file; `fileName` names them in messages.
    TBinaryConvert(std::string_view bytes, std::string fileName, std::vector<std::string>* messages);

    std::string ConvertLog(bool showMessageBoxes) override;

    // The companion file's bytes handed in instead of looking for the file on disk.
    void SetCompanionBytes(std::string_view bytes) { FCompanion = std::string(bytes); }
    // The companion of a log file: same folder and name, extension ".QTC" in any letter
    // case; "" when there is none.
    static std::string CompanionFileName(const std::string& fileName);

protected:
    // Builds FContestLog from the file; false with FLastError set (or FCancelled).
    bool BuildLog(bool showMessageBoxes) override = 0;

    // The first `count` bytes (fewer when the file is shorter) and the whole size;
    // false when the file cannot be read.
    bool Peek(std::size_t count, std::string& first, std::uint64_t& size) const;
    // Loads the whole file once; false with FLastError set.
    bool Load();
    std::string_view Bytes() const { return FBytes; }
    // The companion file's bytes; false when there is none (or it cannot be read: a
    // message says so).
    bool LoadCompanion(std::string& bytes, std::string& name);

    // "<file>: record <n>: <text>" (records counted from 1), capped in number.
    void RecordNote(const std::string& file, std::size_t record, const std::string& text);
    // Fails the conversion: FLastError = "<file>: record <n>: <text>".
    bool RecordError(std::size_t record, const std::string& text);
    // `file` ends inside record `record` (`have` of its `size` bytes): the record is
    // left out and reported as dropped; the complete records before it are kept.
    void DropCutRecord(const std::string& file, std::size_t record, std::size_t have, std::size_t size);
    // The new last line of the log after CreateAndAppendQSO (appends a bare line when
    // a contest class appends none).
    TQSO& AppendLine(bool setEditedFlag);
    // Inserts QTC rows by time into the log (as InsertQSOAtTime does for each in turn,
    // but in one pass when the log is sorted by time).
    void InsertRowsAtTime(std::vector<std::unique_ptr<TQSO>> rows);

    TMessageCap FCap;

private:
    std::string FBytes;
    bool FLoaded = false;
    bool FFromBytes = false;
    std::optional<std::string> FCompanion;
};

}  // namespace qz
