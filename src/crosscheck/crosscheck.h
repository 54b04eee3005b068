// Cross-checking the logs of a contest against each other, as a contest's sponsor does
// after the contest: every QSO A->B is matched with B's record of it when B sent a log,
// and each QSO that does not match is a finding of one kind. The logs are read on the
// batch worker pool through the same readers as every other command, grouped by contest
// (logs of different contests, or of one contest in different years, are never matched
// against each other), and scored twice: as claimed by the rules and after the findings.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "domain/cty.h"
#include "domain/defs.h"
#include "engine/compilesettings.h"

namespace qz {

// What is wrong with a QSO.
enum class TCrossKind : std::uint8_t {
    // Not in log: the other station sent a log and it has no such QSO.
    NIL,
    // The call was copied wrong; the station with a similar call has the QSO.
    BustedCall,
    // The received exchange differs from what the other station sent.
    BustedExchange,
    // The other station logged the QSO at that time on another band (or mode).
    Band,
    // The call appears in no other log and resembles no call that sent a log.
    Unique,
    // The whole log is off by a constant time; reported once per log, not per QSO.
    Clock,
};
constexpr std::size_t kCrossKinds = 6;

// "NIL", "BUSTED-CALL", "BUSTED-EXCHANGE", "BAND", "UNIQUE", "CLOCK".
const char* CrossKindName(TCrossKind kind);
// Whether a QSO of that kind is removed from the checked score (unique QSOs and the
// clock note are not).
bool CrossKindRemoves(TCrossKind kind);

struct TCrossSettings {
    std::vector<std::string> files;
    // How far apart (minutes) the two records of one QSO may lie.
    int windowMinutes = 3;
    // QSO points removed for each removed QSO on top of the QSO itself.
    int penalty = 0;
    // The contest of every log whatever the file says; cNoContest = each file's own.
    TContest fixContest = cNoContest;
    // The contest of a foreign file that names none the program knows.
    TContest defaultContest = cNoContest;
    // The stored column layout for column text files.
    std::string layoutName;
    // Worker threads for reading and scoring; 0 = one per processor core.
    unsigned jobs = 0;
    // The country data for every log; null = the installed country file, loaded once.
    std::shared_ptr<const TCtyStuff> cty;
    TCompileSettings compile;
    // Called on the calling thread with the number of files read (then scored).
    std::function<void(std::size_t done, std::size_t total)> progress;
    // When set, the check stops after the files being read; the result is then
    // `cancelled` and holds no findings.
    const std::atomic<bool>* cancel = nullptr;
};

// One log that took part.
struct TCrossLog {
    std::string file;
    std::string call;
    TContest contest = cNoContest;
    // The year of the contest session the log was matched in; 0 when no log of the
    // session holds a QSO.
    std::int32_t year = 0;
    // The score the file claims ("" when it names none), the score by the rules, and
    // the score after the removed QSOs.
    std::string claimed;
    std::int64_t score = 0;
    std::int64_t checked = 0;
    // QSOs judged (lines that count, QTCs left out) and QSOs removed.
    std::int32_t qsos = 0;
    std::int32_t removed = 0;
    // Each kind's findings in this log.
    std::array<std::int32_t, kCrossKinds> counts{};
    // The constant offset of the log's clock in minutes (its times minus the true
    // times), 0 when none was recognised.
    std::int32_t clockOffset = 0;
    // Lines of the file its reader could not read: they take no part in the check.
    std::int32_t droppedLines = 0;
};

// One finding about one QSO (or, for Clock, about one log).
struct TCrossFinding {
    // Index in TCrossResult::logs of the log the QSO is in.
    std::size_t log = 0;
    // The QSO's line number in that log (1 = the first QSO); 0 for Clock.
    std::int32_t line = 0;
    // The call as logged.
    std::string call;
    TCrossKind kind = TCrossKind::NIL;
    // The right call (BustedCall), the right value (BustedExchange), the other band
    // (Band), the offset (Clock); "" where nothing is known.
    std::string correct;
    // The other log (index in TCrossResult::logs), kNoLog when there is none.
    std::size_t other = kNoLog;
    // The other station's record beside this one ("" when it has none).
    std::string otherRecord;
    // This QSO as logged, for the reports.
    std::string record;

    static constexpr std::size_t kNoLog = static_cast<std::size_t>(-1);
};

// A file that took no part: unreadable, no known contest, a second log of one call.
struct TCrossFailure {
    std::string file;
    std::string message;
};

struct TCrossResult {
    // Why nothing was done (no country data); "" otherwise.
    std::string setupError;
    // The logs that were matched, in the order of the file list.
    std::vector<TCrossLog> logs;
    // Ordered by log, then line.
    std::vector<TCrossFinding> findings;
    // The findings of each kind (index: TCrossKind).
    std::array<std::size_t, kCrossKinds> counts{};
    std::vector<TCrossFailure> failures;
    // QSOs judged in all logs; contest sessions matched.
    std::size_t qsos = 0;
    std::size_t sessions = 0;
    bool cancelled = false;
    // Where the time went (seconds): reading and scoring, matching, rescoring.
    double readSeconds = 0;
    double matchSeconds = 0;
    double scoreSeconds = 0;
};

// Reads, matches and scores the settings' files.
TCrossResult RunCrossCheck(const TCrossSettings& settings);

// The findings as tab-separated rows with the header line
// "log\tline\tcall\tkind\tcorrect\tother" (CR-free, "\n" line ends).
std::string CrossFindingsTsv(const TCrossResult& result);
// The checked scores as tab-separated rows with the header line
// "file\tcall\tclaimed\tscore\tchecked\tqsos\tremoved".
std::string CheckedScoresTsv(const TCrossResult& result);
// One log's report of findings, grouped by kind, each beside the other station's record.
std::string UbnReport(const TCrossResult& result, std::size_t log);
// The file name of a log's report: "CALL.ubn.txt" (the call made safe for a file
// name; a call shared by logs of different sessions gets the year and contest).
std::string UbnReportName(const TCrossResult& result, std::size_t log);

// Writes every log's report and checked.tsv into `folder` (created when missing),
// each file atomically. False with `error` naming the file that could not be written.
bool WriteCrossReports(const TCrossResult& result, const std::string& folder, std::string& error);
// Writes CrossFindingsTsv to `path` atomically; false with `error`.
bool WriteCrossFindings(const TCrossResult& result, const std::string& path, std::string& error);

}  // namespace qz
