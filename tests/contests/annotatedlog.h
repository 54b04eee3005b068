// Annotated contest logs for rule tests: a small text file holds a log and, beside each
// line, the points, multipliers and flags that compiling must give it, followed by the
// expected totals and messages. CheckAnnotatedLog builds the log through the contest
// factory on the tests' country file, compiles it twice and reports every difference with
// the file and line.
//
// File format (one item per line; "#" starts a comment line; fields split at blanks):
//   contest cWWDXcw                  the contest (names of ContestByName below)
//   own DL1ABC                       the own call
//   sent [NUMBERS...]                the sent numbers of the lines that follow ("-" empty)
//   [del] [QTC>|QTC<] [@HH:MM] BAND MODE CALL [NUMBERS...] | EXPECTATIONS
//       del marks the line user-deleted; QTC> / QTC< make it a sent / received QTC;
//       @HH:MM sets the time of day (otherwise one minute after midnight per line)
//       whose numbers fill received numbers 1..4, otherwise they fill 0, 1, ...;
//       "-" stands for an empty number. Expectations: pts=N, m0=V, m1=V, m2=V and the
//       flags dupe, invalid, toomany. What is not stated must be 0, empty or absent.
//   message TEXT                     the next message about a line ("QSO #n: ...");
//                                    every such message must be listed, in order
//   total KEY=N ...                  points, result, good, invalid, dupes, deleted,
//                                    goodqtc, badqtc, m0, m1, m2 (all-band multipliers),
//                                    weighted (GetNoOfAllCalculatedMulties(0))
//   register KIND VALUE CALL...      the calls listed under VALUE in multiplier list KIND
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/installfiles.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "domain/cty.h"
#include "engine/contestlog.h"
#include "testutil.h"

namespace qz::test {

// The tests' country file (TestCountryFile), loaded once per test run. Also copies the
// shipped reference lists into the test run's data folder.
inline std::shared_ptr<const TCtyStuff> TestCty() {
    static std::shared_ptr<const TCtyStuff> cty = [] {
        InstallMissingDataFiles();
        return std::make_shared<const TCtyStuff>(TestCountryFile());
    }();
    return cty;
}

// A log of class T for `contest` and `ownCall` on the tests' country file.
template <typename T>
std::unique_ptr<T> MakeRulesLog(TContest contest, const std::string& ownCall) {
    auto cty = TestCty();
    TFileHeader h;
    h.fhContest_Contest = contest;
    h.fhUser_OwnCall = ownCall;
    auto log = std::make_unique<T>(h);
    log->Init(h, cty);
    return log;
}

// Appends a QSO line: call, band, mode, received numbers from 0 on; minute `minute`.
inline void AddQSO(TContestLog& log, const std::string& call, TBand band, TMode mode,
                   std::initializer_list<const char*> rcvd = {}, int minute = 0) {
    auto q = log.NewQSO(true);
    q->SetCall(call);
    q->SetBand(band);
    q->SetMode(mode);
    q->SetDateTime(EncodeDate(2013, 11, 23) + (minute > 0 ? minute : log.NoOfQSOs()) / 1440.0);
    int i = 0;
    for (const char* r : rcvd) q->SetRcvdNumbers(i++, r);
    log.AppendQSO(std::move(q));
}

// The annotated logs tests/data/contests/<prefix>*.txt, sorted.
inline std::vector<std::string> AnnotatedLogs(const std::string& prefix) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(std::string(QZ_TEST_DATA_DIR) + "/contests", ec)) {
        std::string name = e.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && e.path().extension() == ".txt") files.push_back(e.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The test name of an annotated log: its file name without extension.
inline std::string AnnotatedLogName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = std::filesystem::path(info.param).stem().string();
    for (char& c : name)
        if (!IsLetter(c) && !IsDigit(c)) c = '_';
    return name;
}

namespace annotated {

// The TContest names in ordinal order, so a log names its contest as the code does.
inline bool ContestByName(const std::string& name, TContest& contest) {
    static constexpr const char* kNames[] = {
        "cNoContest",  "cWWDXcw",    "cWPXcw",      "cHSC",      "cIARU",       "cWAEcw",       "cWAG",
        "cCQM",        "cARRLcw",    "cAADXcw",     "cTOPS",     "cFDcw",       "cOKDX",        "cWWDX160cw",
        "cXMAS",       "cHADX",      "cSPDX",       "cPACC",     "cWWSA",       "cYV",          "cLZDX",
        "cVKZLcw",     "cSACcw",     "cYODX",       "cJIDXcw",   "cAR160",      "cARI",         "cUADX",
        "cUBAcw",      "cHK",        "cUB5",        "cHB9",      "cHB9hb",      "cDARC10",      "cHNY",
        "cEUHF",       "cAR10",      "cWAGdx",      "cFDhb_cw",  "cHADXha",     "cXMAShb_cw",   "cOKDXok",
        "cHKhk",       "c9Adx",      "cOQRP",       "cSPDXsp",   "cIOTA",       "cDXPDN",       "cWWDXssb",
        "cWPXssb",     "cWAEssb",    "cWAErtty",    "cARRLssb",  "cAADXssb",    "cFDssb",       "cWWDX160ssb",
        "cVKZLssb",    "cSACssb",    "cJIDXssb",    "cUBAssb",   "cFDhb_ssb",   "cXMAShb_ssb",  "cPACCpa",
        "cVHF",        "cDTC",       "cHessen",     "cEAcw",     "cEAssb",      "cWPXrtty",     "cWWDXrtty",
        "cThueringen", "cAADXas_cw", "cAADXas_ssb", "cSACsc_cw", "cSACsc_ssb",  "cXMAShb_psk",  "cDARCrookie",
        "cVFDB",       "cCQMM",      "cBucuresti",  "cQRPQRP",   "cPABeker_cw", "cPABeker_ssb", "cDayOfYLs",
        "cOKrtty",     "cWNA"};
    static_assert(std::size(kNames) == cEndOfContestlist);
    for (std::size_t i = 1; i < std::size(kNames); ++i)
        if (name == kNames[i]) {
            contest = static_cast<TContest>(i);
            return true;
        }
    return false;
}

struct TLineExpectation {
    int fileLine = 0;
    std::int32_t points = 0;
    std::vector<std::string> multies;
    SQSOFlags flags;
};

struct TTotalExpectation {
    int fileLine = 0;
    std::string key;
    std::int64_t value = 0;
};

struct TRegisterExpectation {
    int fileLine = 0;
    int kind = 0;
    std::string value;
    std::vector<std::string> calls;
};

struct TLineInput {
    int fileLine = 0;
    bool deleted = false;
    int qtcKind = 0;  // 0 QSO, 1 sent, 2 received
    TBand band = b20m;
    TMode mode = mCW;
    int minuteOfDay = -1;
    std::string call;
    std::vector<std::string> numbers;
    std::vector<std::string> sent;
};

struct TAnnotatedLog {
    TFileHeader header;
    std::vector<TLineInput> lines;
    std::vector<TLineExpectation> expected;
    std::vector<std::string> messages;
    std::vector<TTotalExpectation> totals;
    std::vector<TRegisterExpectation> registers;
};

inline std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> out;
    for (const std::string& f : SplitString(Trim(text), ' '))
        if (!Trim(f).empty()) out.push_back(Trim(f));
    return out;
}

inline bool BandByName(const std::string& text, TBand& band) {
    for (int b = 0; b < kNoOfBands; ++b)
        if (SameText(Trim(BandNames[b]), text)) {
            band = static_cast<TBand>(b);
            return true;
        }
    return false;
}

inline bool ModeByName(const std::string& text, TMode& mode) {
    for (int m = 0; m < mEndOfList; ++m)
        if (SameText(Trim(ModeNames[m]), text)) {
            mode = static_cast<TMode>(m);
            return true;
        }
    return false;
}

// Parses the file; failures are reported as test failures naming the file and line.
inline bool Parse(const std::string& path, TAnnotatedLog& log) {
    const std::string text = ReadFile(path);
    if (text.empty()) {
        ADD_FAILURE() << path << ": empty or missing";
        return false;
    }
    bool ok = true;
    auto fail = [&](int n, const std::string& why) {
        ADD_FAILURE() << path << ":" << n << ": " << why;
        ok = false;
    };
    int n = 0;
    std::vector<std::string> sent;
    for (const std::string& raw : SplitLines(text)) {
        ++n;
        std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f = Fields(line.substr(0, line.find('|')));
        if (f.empty()) {
            fail(n, "no line before '|'");
        } else if (f[0] == "contest" && f.size() == 2) {
            if (!ContestByName(f[1], log.header.fhContest_Contest)) fail(n, "unknown contest " + f[1]);
        } else if (f[0] == "sent") {
            sent.clear();
            for (std::size_t i = 1; i < f.size(); ++i) sent.push_back(f[i] == "-" ? "" : f[i]);
        } else if (f[0] == "own" && f.size() == 2) {
            log.header.fhUser_OwnCall = f[1];
        } else if (f[0] == "message") {
            log.messages.push_back(Trim(line.substr(7)));
        } else if (f[0] == "total") {
            for (std::size_t i = 1; i < f.size(); ++i) {
                auto eq = f[i].find('=');
                std::int64_t v = 0;
                if (eq == std::string::npos || !TryStrToInt64(f[i].substr(eq + 1), v)) fail(n, "bad total " + f[i]);
                else log.totals.push_back({n, f[i].substr(0, eq), v});
            }
        } else if (f[0] == "register" && f.size() >= 3) {
            TRegisterExpectation r{n, StrToIntDef(f[1], -1), f[2], {f.begin() + 3, f.end()}};
            log.registers.push_back(r);
        } else {
            TLineInput in;
            in.fileLine = n;
            std::size_t i = 0;
            if (f[i] == "del") {
                in.deleted = true;
                ++i;
            }
            if (i < f.size() && (f[i] == "QTC>" || f[i] == "QTC<")) {
                in.qtcKind = f[i] == "QTC>" ? 1 : 2;
                ++i;
            }
            if (i < f.size() && f[i].size() == 6 && f[i][0] == '@' && f[i][3] == ':') {
                in.minuteOfDay = StrToIntDef(f[i].substr(1, 2), 0) * 60 + StrToIntDef(f[i].substr(4, 2), 0);
                ++i;
            }
            if (i + 3 > f.size() || !BandByName(f[i], in.band) || !ModeByName(f[i + 1], in.mode)) {
                fail(n, "expected [del] [QTC>|QTC<] band mode call numbers...");
                continue;
            }
            in.call = f[i + 2];
            in.sent = sent;
            for (i += 3; i < f.size(); ++i) in.numbers.push_back(f[i] == "-" ? "" : f[i]);
            TLineExpectation e;
            e.fileLine = n;
            if (line.find('|') == std::string::npos) fail(n, "no expectations after '|'");
            else
                for (const std::string& x : Fields(line.substr(line.find('|') + 1))) {
                    if (x == "dupe") e.flags.Include(qfDupe);
                    else if (x == "invalid") e.flags.Include(qfInvalid);
                    else if (x == "toomany") e.flags.Include(qfTooManyQTCs);
                    else if (x.rfind("pts=", 0) == 0) e.points = StrToIntDef(x.substr(4), -999);
                    else if (x.size() > 3 && x[0] == 'm' && IsDigit(x[1]) && x[2] == '=') {
                        std::size_t k = static_cast<std::size_t>(x[1] - '0');
                        if (e.multies.size() <= k) e.multies.resize(k + 1);
                        e.multies[k] = x.substr(3);
                    } else fail(n, "unknown expectation " + x);
                }
            log.lines.push_back(in);
            log.expected.push_back(e);
        }
    }
    return ok;
}

inline std::int64_t TotalOf(TContestLog& log, const std::string& key, bool& known) {
    known = true;
    if (key == "points") return log.Result().AllPoints();
    if (key == "result") return log.GetFinalResult();
    if (key == "good") return log.Result().NoOfAllGoodQSOs();
    if (key == "invalid") return log.Result().NoOfAllInvalidQSOs();
    if (key == "dupes") return log.Result().NoOfAllDupes();
    if (key == "deleted") return log.Result().NoOfAllUserDeletedQSOs();
    if (key == "goodqtc") return log.Result().NoOfAllGoodQTCs();
    if (key == "badqtc") return log.Result().NoOfAllInvalidQTCs();
    if (key == "weighted") return log.GetNoOfAllCalculatedMulties(0);
    if (key.size() == 2 && key[0] == 'm' && IsDigit(key[1])) return log.Result().NoOfAllMulties(key[1] - '0');
    known = false;
    return 0;
}

// Compiles and compares once; `pass` names the compile in failure messages.
inline void CompileAndCompare(const std::string& path, TContestLog& log, const TAnnotatedLog& a, int pass) {
    std::vector<std::string> messages;
    log.SetMessageLines(&messages);
    log.Compile();
    log.SetMessageLines(nullptr);
    const std::string where = " (compile " + std::to_string(pass) + ")";
    for (int i = 0; i < log.NoOfQSOs() && i < static_cast<int>(a.expected.size()); ++i) {
        const TQSO& q = *log.QSOs(i);
        const TLineExpectation& e = a.expected[static_cast<std::size_t>(i)];
        const std::string at = path + ":" + std::to_string(e.fileLine) + where;
        EXPECT_EQ(q.Points(), e.points) << at << ": points";
        for (int k = 0; k < log.NoOfMulties(); ++k) {
            std::string want =
                static_cast<std::size_t>(k) < e.multies.size() ? e.multies[static_cast<std::size_t>(k)] : "";
            EXPECT_EQ(q.Multies(k), want) << at << ": multiplier " << k;
        }
        for (TQSOFlags flag : {qfDupe, qfInvalid, qfTooManyQTCs})
            EXPECT_EQ(q.QSOFlags().Contains(flag), e.flags.Contains(flag)) << at << ": flag " << QSOFlagTags[flag];
    }
    std::vector<std::string> lineMessages;
    for (const std::string& m : messages)
        if (m.rfind("QSO #", 0) == 0) lineMessages.push_back(m);
    EXPECT_EQ(lineMessages, a.messages) << path << where << ": messages about lines";
    for (const TTotalExpectation& t : a.totals) {
        bool known;
        std::int64_t v = TotalOf(log, t.key, known);
        EXPECT_TRUE(known) << path << ":" << t.fileLine << ": unknown total " << t.key;
        EXPECT_EQ(v, t.value) << path << ":" << t.fileLine << where << ": total " << t.key;
    }
    for (const TRegisterExpectation& r : a.registers) {
        const std::string at = path + ":" + std::to_string(r.fileLine) + where;
        const auto& lists = log.MultiList();
        if (r.kind < 0 || r.kind >= static_cast<int>(lists.size())) {
            ADD_FAILURE() << at << ": no multiplier kind " << r.kind;
            continue;
        }
        auto it = lists[static_cast<std::size_t>(r.kind)].find(r.value);
        std::vector<std::string> calls = it == lists[static_cast<std::size_t>(r.kind)].end()
                                             ? std::vector<std::string>{}
                                             : it->second.mliSummaryList;
        EXPECT_EQ(calls, r.calls) << at << ": calls registered under " << r.value;
    }
}

// The lines of an annotated log, appended to `log`.
inline void AppendLines(TContestLog& log, const TAnnotatedLog& a) {
    int minute = 0;
    for (const annotated::TLineInput& in : a.lines) {
        auto q = log.NewQSO(true);
        if (in.qtcKind != 0) q->SetQSOFlags(SQSOFlags{in.qtcKind == 1 ? qfSentQTC : qfRcvdQTC});
        q->SetBand(in.band);
        q->SetMode(in.mode);
        q->SetCall(in.call);
        q->SetDateTime(EncodeDate(2013, 11, 23) + (in.minuteOfDay >= 0 ? in.minuteOfDay : minute) / 1440.0);
        ++minute;
        int first = in.qtcKind != 0 ? 1 : 0;
        for (std::size_t i = 0; i < in.numbers.size(); ++i)
            q->SetRcvdNumbers(first + static_cast<int>(i), in.numbers[i]);
        for (std::size_t i = 0; i < in.sent.size(); ++i) q->SetSentNumbers(static_cast<int>(i), in.sent[i]);
        if (in.deleted) q->IncludeFlag(qfUserDeleted);
        log.AppendQSO(std::move(q));
    }
}

// Everything a pass gives, line by line and in total, as text: two logs evaluated alike
// give the same text.
inline std::string Evaluation(TContestLog& log) {
    std::string text;
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        const TQSO& q = *log.QSOs(i);
        text += "line " + std::to_string(i + 1) + " " + q.Call().Call() + " pts=" + std::to_string(q.Points());
        for (int k = 0; k < log.NoOfMulties(); ++k) text += " m" + std::to_string(k) + "=" + q.Multies(k);
        for (int f = 0; f < qfEndOfList; ++f)
            if (q.QSOFlags().Contains(static_cast<TQSOFlags>(f))) text += " f" + std::to_string(f);
        text += "\n";
    }
    for (const char* key : {"points", "result", "good", "invalid", "dupes", "deleted", "goodqtc", "badqtc", "m0", "m1",
                            "m2", "weighted"}) {
        bool known;
        text += std::string(key) + "=" + std::to_string(TotalOf(log, key, known)) + " ";
    }
    for (int b = 0; b < kNoOfBands; ++b) {
        const auto band = static_cast<TBand>(b);
        text += "\n" + std::to_string(b) + ": " + std::to_string(log.Result().NoOfBandGoodQSOs(band)) + " " +
                std::to_string(log.Result().NoOfBandInvalidQSOs(band)) + " " +
                std::to_string(log.Result().NoOfBandDupes(band)) + " " +
                std::to_string(log.Result().NoOfBandGoodQTCs(band)) + " " +
                std::to_string(log.Result().NoOfBandInvalidQTCs(band)) + " " +
                std::to_string(log.Result().NoOfBandUserDeletedQSOs(band)) + " " +
                std::to_string(log.Result().BandPoints(band));
        for (int m = mCW; m <= mATV; ++m)
            text += " " + std::to_string(log.Result().NoOfBandModeGoodQSOs(band, static_cast<TMode>(m)));
        for (int k = 0; k < log.NoOfMulties(); ++k) text += " " + std::to_string(log.Result().NoOfBandMulties(k, band));
    }
    for (std::size_t k = 0; k < log.MultiList().size(); ++k)
        for (const auto& [value, item] : log.MultiList()[k]) {
            text += "\nregister " + std::to_string(k) + " " + value + ":";
            for (const std::string& call : item.mliSummaryList) text += " " + call;
            for (int b = 0; b < kNoOfBands; ++b)
                for (const std::string& call : item.mliBandLists[static_cast<std::size_t>(b)])
                    text += " " + std::to_string(b) + "/" + call;
        }
    return text;
}

// The messages about lines from `first` on.
inline std::vector<std::string> LineMessagesFrom(const std::vector<std::string>& messages, int first) {
    std::vector<std::string> out;
    for (const std::string& m : messages) {
        int n = 0;
        if (m.rfind("QSO #", 0) == 0 && TryStrToInt(m.substr(5, m.find(':') - 5), n) && n > first) out.push_back(m);
    }
    return out;
}

// Changes lines of a compiled log one by one (calls, bands, deletion, an appended and a
// moved line) and after each change checks that evaluating again from the changed line
// gives every line, total, register entry and message that compiling a twin log whole
// gives, and that the forecast for the changed line agrees with its evaluation.
inline void CheckRecompileFrom(const std::string& path, const TAnnotatedLog& a) {
    auto cty = TestCty();
    std::unique_ptr<TContestLog> live = CreateContestLog(a.header, nullptr, cty);
    std::unique_ptr<TContestLog> whole = CreateContestLog(a.header, nullptr, cty);
    AppendLines(*live, a);
    AppendLines(*whole, a);
    const int n = live->NoOfQSOs();
    if (n < 3) return;
    TCompileSettings unsorted;
    unsorted.SortLog = false;
    live->Compile(unsorted);
    std::vector<std::string> messages;
    // One step: `change` is made to both logs at line `row`.
    auto step = [&](const std::string& what, int row, auto change) {
        change(*live);
        change(*whole);
        messages.clear();
        live->SetMessageLines(&messages);
        const int first = live->RecompileFrom(row);
        live->SetMessageLines(nullptr);
        std::vector<std::string> wholeMessages;
        whole->SetMessageLines(&wholeMessages);
        whole->Compile(unsorted);
        whole->SetMessageLines(nullptr);
        const std::string at = path + ": " + what + " at line " + std::to_string(row + 1);
        EXPECT_LE(first, row) << at;
        EXPECT_EQ(Evaluation(*live), Evaluation(*whole)) << at;
        EXPECT_EQ(messages, LineMessagesFrom(wholeMessages, first)) << at;
        const TQSO& q = *live->QSOs(row);
        const TLineForecast f = live->ForecastLine(row, q);
        ASSERT_TRUE(f.known) << at;
        EXPECT_EQ(f.invalid, q.QSOFlags().Contains(qfInvalid)) << at;
        EXPECT_EQ(f.dupeOf >= 0, q.QSOFlags().Contains(qfDupe)) << at;
        if (f.dupeOf >= 0) {
            EXPECT_LT(f.dupeOf, row) << at;
            EXPECT_EQ(live->QSOs(f.dupeOf)->Call().Call(), q.Call().Call()) << at;
        }
        std::vector<std::pair<int, std::string>> multies;
        for (int k = 0; k < live->NoOfMulties(); ++k)
            if (!q.Multies(k).empty()) multies.emplace_back(k, q.Multies(k));
        EXPECT_EQ(f.newMulties, multies) << at;
    };
    for (const int row : {n - 1, n - 2, n / 2, 0}) {
        const int other = row > 0 ? row - 1 : 1;
        const std::string call = live->QSOs(row)->Call().Call();
        const TBand band = live->QSOs(row)->Band();
        const std::string otherCall = live->QSOs(other)->Call().Call();
        const TBand otherBand = live->QSOs(other)->Band();
        const TDateTime time = live->QSOs(row)->DateTime();
        const TDateTime firstTime = live->QSOs(0)->DateTime();
        step("call of another line", row, [&](TContestLog& l) { l.QSOs(row)->SetCall(otherCall); });
        step("band of that line", row, [&](TContestLog& l) { l.QSOs(row)->SetBand(otherBand); });
        step("own band", row, [&](TContestLog& l) { l.QSOs(row)->SetBand(band); });
        step("deleted", row, [&](TContestLog& l) { l.QSOs(row)->IncludeFlag(qfUserDeleted); });
        step("undeleted", row, [&](TContestLog& l) { l.QSOs(row)->ExcludeFlag(qfUserDeleted); });
        step("own call", row, [&](TContestLog& l) { l.QSOs(row)->SetCall(call); });
        // Earlier in time than the lines before it (a QTC may then report it).
        step("time of line 1", row, [&](TContestLog& l) { l.QSOs(row)->SetDateTime(firstTime); });
        step("own time", row, [&](TContestLog& l) { l.QSOs(row)->SetDateTime(time); });
    }
    step("appended copy of line 1", n, [&](TContestLog& l) {
        auto q = l.NewQSO(false);
        q->CopyFrom(l.QSOs(0));
        l.AppendQSO(std::move(q));
    });
    // A line moved before the changed one: the pass starts at the moved line.
    step("first two lines swapped", n, [&](TContestLog& l) { l.MoveQSO(0, 1, false); });
}

}  // namespace annotated

// Builds the annotated log `path`, compiles it twice and checks every annotation after
// each compile; then checks that lines evaluated again after changes agree with a
// compile of the whole log.
inline void CheckAnnotatedLog(const std::string& path) {
    auto cty = TestCty();
    annotated::TAnnotatedLog a;
    if (!annotated::Parse(path, a)) return;
    std::unique_ptr<TContestLog> log = CreateContestLog(a.header, nullptr, cty);
    ASSERT_TRUE(log) << path << ": the factory made no log";
    ASSERT_EQ(log->Contest(), a.header.fhContest_Contest) << path;
    annotated::AppendLines(*log, a);
    for (int pass = 1; pass <= 2; ++pass) annotated::CompileAndCompare(path, *log, a, pass);
    annotated::CheckRecompileFrom(path, a);
}

}  // namespace qz::test
