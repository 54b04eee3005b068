// The batch jobs over real files: conversion, exports beside the logs and the common
// result list; identical results for any number of workers; bad files reported one by
// one without stopping the batch; outputs never replaced unasked.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "base/frontend.h"
#include "batch/batchjob.h"
#include "batch/resultlist.h"
#include "batch/workerpool.h"
#include "engine/testlog.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

// A CQ WW CW log of `call` with `n` QSOs; the first two are the log of the command-line
// score test: 3 points each, two countries, two zones.
std::string CabrilloLog(const std::string& call, int n) {
    std::string text = "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: " + call + "\r\n";
    const char* calls[] = {"W1AW 599 05", "JA1XYZ 599 25", "G4ABC 599 14", "K2XX 599 05", "N3YY 599 05"};
    for (int i = 0; i < n; ++i) {
        const char* bands[] = {"14000", " 7000", "21000"};
        char line[120];
        std::snprintf(line, sizeof line, "QSO: %s CW 2013-11-23 %02d%02d %s 599 14 %s\r\n", bands[i % 3], i / 60,
                      i % 60, call.c_str(), calls[i % 5]);
        text += line;
    }
    return text + "END-OF-LOG:\r\n";
}

class Batch : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        settings_.cty = test::TinyCty();
    }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = dir_.File(name);
        fs::create_directories(fs::path(path).parent_path());
        test::WriteFile(path, text);
        return path;
    }
    // Native logs made from Cabrillo logs by the conversion job.
    std::vector<std::string> NativeLogs(int count) {
        std::vector<std::string> sources;
        for (int i = 0; i < count; ++i)
            sources.push_back(
                Write("src/dl" + std::to_string(i) + "abc.log", CabrilloLog("DL" + std::to_string(i) + "ABC", 2 + i)));
        TBatchSettings s = settings_;
        s.job = TBatchJob::Convert;
        s.outputFolder = dir_.File("in");
        fs::create_directories(s.outputFolder);
        TBatchOutcome o = RunBatch(sources, s);
        EXPECT_EQ(o.failed, 0u);
        std::vector<std::string> logs;
        for (const auto& f : o.files) logs.push_back(f.written);
        return logs;
    }
    TBatchOutcome Run(TBatchJob job, const std::vector<std::string>& files, unsigned jobs = 2) {
        TBatchSettings s = settings_;
        s.job = job;
        s.jobs = jobs;
        return RunBatch(files, s);
    }

    test::TempDir dir_;
    TBatchSettings settings_;
};

TEST_F(Batch, ConvertWritesNativeLogsBesideTheSourcesAndReportsEachBadFile) {
    const std::string good = Write("in/dl1abc.log", CabrilloLog("DL1ABC", 2));
    const std::string empty = Write("in/empty.log", "");
    fs::create_directories(dir_.path() / "folder.log");
    const std::vector<std::string> files = {good, dir_.File("gone.log"), empty, dir_.File("folder.log"), good};
    TBatchOutcome o = Run(TBatchJob::Convert, files);
    ASSERT_EQ(o.files.size(), files.size());
    EXPECT_TRUE(o.files[0].ok) << o.files[0].error;
    EXPECT_EQ(o.files[0].written, dir_.File("in/dl1abc.QZF"));
    EXPECT_EQ(o.failed, 4u);
    for (std::size_t i = 1; i < files.size(); ++i) {
        EXPECT_FALSE(o.files[i].ok);
        EXPECT_NE(o.files[i].error.find(files[i]), std::string::npos) << "names the file: " << o.files[i].error;
    }
    EXPECT_NE(o.files[4].error.find("in the list already"), std::string::npos) << o.files[4].error;

    // A second run keeps the native log unless told to replace it.
    const std::string before = test::ReadFile(o.files[0].written);
    test::WriteFile(o.files[0].written, before + "x");
    TBatchOutcome again = Run(TBatchJob::Convert, {good});
    EXPECT_NE(again.files[0].error.find("exists and was kept"), std::string::npos) << again.files[0].error;
    EXPECT_EQ(test::ReadFile(o.files[0].written), before + "x");
    settings_.replaceExisting = true;
    EXPECT_EQ(Run(TBatchJob::Convert, {good}).failed, 0u);
    EXPECT_EQ(test::ReadFile(o.files[0].written).size(), before.size()) << "replaced by a fresh native log";

    // One import format for the whole batch: a Cabrillo file is no STF file; a native
    // log needs no conversion.
    settings_.importFormat = ftSTF;
    EXPECT_NE(Run(TBatchJob::Convert, {good}).files[0].error.find("not a file of type"), std::string::npos);
    settings_.importFormat = ftUnknown;
    EXPECT_NE(Run(TBatchJob::Convert, {o.files[0].written}).files[0].error.find("already a native log"),
              std::string::npos);
}

TEST_F(Batch, ResultListIsInListOrderAndTheSameForAnyNumberOfWorkers) {
    std::vector<std::string> logs = NativeLogs(12);
    ASSERT_EQ(logs.size(), 12u);
    logs.insert(logs.begin() + 5, dir_.File("vanished.QZF"));
    logs.push_back(Write("in/foreign.log", CabrilloLog("DL9ZZ", 3)));

    TBatchOutcome one = Run(TBatchJob::Results, logs, 1);
    TBatchOutcome four = Run(TBatchJob::Results, logs, 4);
    const std::string text = ResultListText("FINAL", one.files);
    EXPECT_EQ(text, ResultListText("FINAL", four.files));
    EXPECT_EQ(one.failed, 2u);
    for (std::size_t i = 0; i < logs.size(); ++i) EXPECT_EQ(one.files[i].file, logs[i]);

    // The log of the score test: 2 QSOs, 2 countries, 2 zones, 6 * 4 points.
    const std::string first =
        "<FINAL>\r\n\r\n<TEILNAHME>\r\n <CONTEST>CQ-WW-CW</CONTEST>\r\n <JAHR>2013</JAHR>\r\n <CALL>DL0ABC</CALL>\r\n"
        " <QSO>2</QSO>\r\n <MULTI>2</MULTI>\r\n <MULTI2>2</MULTI2>\r\n <SCORE>24</SCORE>\r\n</TEILNAHME>\r\n\r\n";
    EXPECT_EQ(text.substr(0, first.size()), first);
    EXPECT_LT(text.find("<CALL>DL4ABC</CALL>"), text.find("<CALL>DL5ABC</CALL>"));
    // The failed files close the list, each with its reason.
    const std::size_t errors = text.find("<FEHLER>\r\n <DATEI>" + dir_.File("vanished.QZF") + "</DATEI>\r\n <GRUND>");
    ASSERT_NE(errors, std::string::npos) << text;
    EXPECT_GT(errors, text.rfind("</TEILNAHME>"));
    EXPECT_NE(text.find("foreign.log: not a native log"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 10), "</FINAL>\r\n");

    // Foreign files are read too when asked for, converted in memory.
    settings_.foreignFiles = true;
    TBatchOutcome withForeign = Run(TBatchJob::Results, {logs.back()});
    ASSERT_TRUE(withForeign.files[0].ok) << withForeign.files[0].error;
    EXPECT_EQ(withForeign.files[0].figures.srGoodQSOs, 3);
    EXPECT_EQ(withForeign.files[0].figures.srFinalResult, 7 * 6);  // 3 + 3 + 1 points, 3 countries, 3 zones
}

TEST_F(Batch, EmptyListGivesOnlyTheFrame) {
    EXPECT_EQ(ResultListText("CQWW2013", Run(TBatchJob::Results, {}).files), "<CQWW2013>\r\n\r\n</CQWW2013>\r\n");
}

TEST(BatchResultList, MarkupInFileNamesAndReasonsIsEscapedAndKeptOnOneLine) {
    TBatchFileResult failed;
    failed.file = "/logs/R&D <club>.log";
    failed.error = failed.file + ": line 3: no <QSO> here\nand & more";
    const std::string text = ResultListText("FINAL", {failed});
    EXPECT_NE(text.find(" <DATEI>/logs/R&amp;D &lt;club&gt;.log</DATEI>\r\n"), std::string::npos) << text;
    EXPECT_NE(
        text.find(" <GRUND>/logs/R&amp;D &lt;club&gt;.log: line 3: no &lt;QSO&gt; here and &amp; more</GRUND>\r\n"),
        std::string::npos)
        << text;
}

TEST_F(Batch, ExportWritesBesideEachNativeLogAndNeverReplacesUnasked) {
    std::vector<std::string> logs = NativeLogs(3);
    settings_.exportFormat = owCabrillo;
    TBatchOutcome o = Run(TBatchJob::Export, logs);
    ASSERT_EQ(o.failed, 0u) << o.files[0].error;
    EXPECT_EQ(o.files[1].written, dir_.File("in/dl1abc.log"));
    EXPECT_EQ(test::ReadFile(o.files[1].written).rfind("START-OF-LOG: 3.0\r\n", 0), 0u);

    settings_.exportFormat = owSTF;
    const std::string kept = Write("in/dl2abc.stf", "mine");
    fs::copy_file(logs[0], dir_.File("in/dl0abc.qzf"));
    TBatchOutcome stf = Run(TBatchJob::Export, {logs[0], logs[1], logs[2], dir_.File("in/dl0abc.qzf"),
                                                Write("in/other.log", CabrilloLog("DL7X", 1))});
    EXPECT_TRUE(stf.files[0].ok);
    EXPECT_TRUE(stf.files[1].ok);
    EXPECT_NE(stf.files[2].error.find("exists and was kept"), std::string::npos) << stf.files[2].error;
    EXPECT_EQ(test::ReadFile(kept), "mine");
    EXPECT_NE(stf.files[3].error.find("would replace that of"), std::string::npos) << stf.files[3].error;
    EXPECT_NE(stf.files[4].error.find("not a native log"), std::string::npos) << stf.files[4].error;

    // The dBase table is written as bytes, one record per log line.
    settings_.exportFormat = owDBase;
    TBatchOutcome dbf = Run(TBatchJob::Export, logs);
    ASSERT_EQ(dbf.failed, 0u) << dbf.files[0].error;
    EXPECT_EQ(dbf.files[1].written, dir_.File("in/dl1abc.dbf"));
    const std::string table = test::ReadFile(dbf.files[1].written);
    ASSERT_GT(table.size(), 738u);
    EXPECT_EQ(table.size(), 738u + static_cast<unsigned char>(table[4]) * 166u + 1u);
    EXPECT_EQ(table[0], 3);
    settings_.exportFormat = owMessages;
    TBatchOutcome none = Run(TBatchJob::Export, logs);
    EXPECT_NE(none.setupError.find("no writer"), std::string::npos);
    EXPECT_TRUE(none.files.empty());
}

TEST(BatchPool, DeliversEveryIndexInOrderAndStopsOnCancel) {
    std::vector<std::atomic<int>> runs(50);
    std::vector<std::size_t> delivered;
    TPoolCallbacks callbacks;
    callbacks.finished = [&](std::size_t i) { delivered.push_back(i); };
    auto work = [&](std::size_t i) {
        std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 500));
        ++runs[i];
    };
    EXPECT_EQ(RunPool(runs.size(), 4, work, callbacks), runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].load(), 1) << i;
        EXPECT_EQ(delivered[i], i);
    }
    EXPECT_EQ(PoolSize(8, 3), 3u);
    EXPECT_GE(PoolSize(0, 100), 1u);

    std::atomic<bool> cancel{false};
    std::atomic<int> started{0};
    callbacks.finished = {};
    callbacks.cancel = &cancel;
    const std::size_t run = RunPool(
        1000, 2,
        [&](std::size_t) {
            if (++started == 10) cancel = true;
        },
        callbacks);
    EXPECT_GE(run, 10u);
    EXPECT_LT(run, 1000u);
}

TEST(BatchFrontEnd, AThreadsOwnFrontEndTakesItsMessages) {
    TSilentFrontEnd process, mine;
    SetFrontEnd(&process);
    {
        TThreadFrontEnd scope(mine);
        ShowErrorMessage("to the worker");
        std::thread other([] { ShowErrorMessage("to the process"); });
        other.join();
    }
    ShowInfoMessage("after");
    SetFrontEnd(nullptr);
    EXPECT_EQ(mine.lastError, "to the worker");
    EXPECT_EQ(process.lastError, "to the process");
    EXPECT_EQ(process.lastInfo, "after");
}

}  // namespace
}  // namespace qz
