// The writer framework: field helpers, the output-window rules and saving.
#include "export/exporter.h"

#include <gtest/gtest.h>

#include "base/frontend.h"
#include "base/options.h"
#include "engine/compilesettings.h"
#include "export/exporttest.h"

namespace qz {
namespace {

TEST(ExportHelpers, KeyValueLinePadsTheKeyTo13) {
    EXPECT_EQ(KeyValueLine("Name", "X"), "Name         X");
    EXPECT_EQ(KeyValueLine("Soapbox", ""), "Soapbox      ");
    EXPECT_EQ(KeyValueLine("ClaimedMult10", "7"), "ClaimedMult107");
}

TEST(ExportHelpers, FormatFieldWritesAHyphenForAnEmptyValue) {
    EXPECT_EQ(FormatField(" %-6s", ""), " -     ");
    EXPECT_EQ(FormatField(" %-6s", "12"), " 12    ");
    EXPECT_EQ(FormatField(" %-6s", "12345678"), " 12345678");  // width is a minimum
    EXPECT_EQ(FormatField("%4s|", "ab"), "  ab|");
    EXPECT_EQ(FormatField("%-4.2s|", "abcdef"), "ab  |");
    EXPECT_EQ(FormatField("no conversion", "x"), "no conversion");
    EXPECT_EQ(FormatField("%d", "x"), "%d");
    EXPECT_EQ(FormatField("%99999999999s", "x").size(), 255u);  // an absurd width is capped
}

TEST(ExportHelpers, HeaderTextsAndLineSafety) {
    EXPECT_EQ(HeaderTextLines(""), std::vector<std::string>{});
    EXPECT_EQ(HeaderTextLines("a\r\nb\rc\n"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(JoinHeaderText("  keeps  its blanks "), "  keeps  its blanks ");
    EXPECT_EQ(JoinHeaderText("A\r\n\r\n B \nC"), "A B C");
    EXPECT_EQ(LineSafe("a\tb\x01"), "a b ");
}

TEST(OutputWindows, WindowsToCheckFromTheHeader) {
    TFileHeader h;
    h.fhQZ_OutputWindows = SOutputWindow{owMessages, owResult, owCabrillo, owDBase};
    h.fhQZ_LastModifiedVersion = {4, 10, 0, 0};
    EXPECT_EQ(OutputWindowsToCheck(h), (SOutputWindow{owResult, owCabrillo}));
    h.fhQZ_LastModifiedVersion = {4, 0, 0, 7};  // files of 4.0.0 open with no window checked
    EXPECT_EQ(OutputWindowsToCheck(h), SOutputWindow{});
    h.fhQZ_LastModifiedVersion = {4, 0, 1, 0};
    EXPECT_EQ(OutputWindowsToCheck(h), (SOutputWindow{owResult, owCabrillo}));

    EXPECT_EQ(OutputWindowsToStore({owSTF, owDBase}), (SOutputWindow{owMessages, owSTF}));
    EXPECT_TRUE(OutputWindowTabVisible(owMessages, {}));
    EXPECT_FALSE(OutputWindowTabVisible(owSTF, {}));
    EXPECT_TRUE(OutputWindowTabVisible(owSTF, {owSTF}));
    EXPECT_FALSE(CompileOverwritesEdits({owMessages}));
    EXPECT_TRUE(CompileOverwritesEdits({owMessages, owResult}));
}

TEST(OutputWindows, ProposedFileNames) {
    EXPECT_EQ(ProposedExportFileName("", "PA/DL1ABC/P", owSTF), "PA_DL1ABC_P.stf");
    EXPECT_EQ(ProposedExportFileName("/home/x/Exported logs", "DL1ABC/P", owCabrillo),
              "/home/x/Exported logs/DL1ABC_P.log");
    EXPECT_EQ(ProposedExportFileName("/tmp/", "DL1ABC", owComments), "/tmp/DL1ABC.ubn");
}

TEST(OutputWindows, RefreshFillsCheckedWindowsInOrder) {
    test::UseEnglishStrings();
    auto log = test::MakeExportTestLog(0, 1, 0, false, test::FullHeader(cDARC10));
    test::Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:02", "599", {}, "599", {"1"}});
    log->Compile();
    std::vector<TOutputWindow> filled;
    std::vector<std::string> cabrillo;
    SOutputWindow all = SOutputWindow::Range(owMessages, owSwisslog);
    RefreshOutputWindows(*log, all, {owCabrillo, owSTF, owResult, owComments, owADIF, owMessages},
                         [&](TOutputWindow w, std::vector<std::string>& lines) {
                             filled.push_back(w);
                             if (w == owCabrillo) cabrillo = lines;
                         });
    // The messages window is never refilled.
    EXPECT_EQ(filled, (std::vector<TOutputWindow>{owComments, owResult, owSTF, owCabrillo, owADIF}));
    ASSERT_FALSE(cabrillo.empty());
    EXPECT_EQ(cabrillo.front(), "START-OF-LOG: 3.0");

    filled.clear();
    RefreshOutputWindows(*log, {owSTF}, {owCabrillo, owSTF},
                         [&](TOutputWindow w, std::vector<std::string>&) { filled.push_back(w); });
    EXPECT_EQ(filled, std::vector<TOutputWindow>{owSTF});

    // The exported content is produced anew, whatever a window shows.
    std::vector<std::string> lines = {"edited"};
    EXPECT_TRUE(ProduceOutputWindow(owCabrillo, *log, lines));
    EXPECT_EQ(lines, cabrillo);
    EXPECT_FALSE(ProduceOutputWindow(owMessages, *log, lines));
    EXPECT_TRUE(lines.empty());
}

// A result that depends on settings other than the defaults says which; with the
// defaults the report is the bare overview.
TEST(OutputWindows, ResultNamesCompileSettingsThatDifferFromTheDefaults) {
    test::UseEnglishStrings();
    auto log = test::MakeExportTestLog(0, 1, 0, false, test::FullHeader(cDARC10));
    test::Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:02", "599", {}, "599", {"1"}});
    log->Compile();
    std::vector<std::string> plain;
    ASSERT_TRUE(ProduceOutputWindow(owResult, *log, plain));
    EXPECT_EQ(plain.back().rfind("Final result", 0), 0u);

    TCompileSettings settings;
    settings.SortLog = false;
    settings.CancelQSOIfModeIsNotAllowed = false;
    log->Compile(settings);
    std::vector<std::string> lines;
    ASSERT_TRUE(ProduceOutputWindow(owResult, *log, lines));
    ASSERT_EQ(lines.size(), plain.size() + 2);
    EXPECT_EQ(lines.back(), "Compile settings: Compile_SortLog=off, Compile_CancelQSOIfModeIsNotAllowed=off");
}

TEST(OutputWindows, SavedFilesHaveCRLFAndUnchangedBytes) {
    test::TempDir dir;
    std::vector<std::string> lines = {"NAME: J\xFCrgen", "", "END"};
    EXPECT_EQ(OutputFileText(lines), "NAME: J\xFCrgen\r\n\r\nEND\r\n");
    std::string error;
    ASSERT_TRUE(SaveOutputFile(dir.File("a.log"), lines, &error)) << error;
    EXPECT_EQ(test::ReadFile(dir.File("a.log")), OutputFileText(lines));
    test::WriteFile(dir.File("plain"), "");
    EXPECT_FALSE(SaveOutputFile(dir.File("plain/a.log"), lines, &error));  // a file is no folder
    EXPECT_FALSE(error.empty());
}

TEST(ExportBase, WriteLogAsksBeforeOverwriting) {
    test::UseEnglishStrings();
    auto log = test::MakeExportTestLog(0, 1, 0, false, test::FullHeader(cDARC10));
    test::TempDir dir;
    TSilentFrontEnd no(TMsgAnswer::No), yes(TMsgAnswer::Yes);
    TExport writer(*log);
    SetFrontEnd(&no);
    EXPECT_TRUE(writer.WriteLog(dir.File("new.dbf")));
    EXPECT_EQ(writer.FileName(), dir.File("new.dbf"));
    test::WriteFile(dir.File("old.dbf"), "x");
    EXPECT_FALSE(writer.WriteLog(dir.File("old.dbf")));
    SetFrontEnd(&yes);
    EXPECT_TRUE(writer.WriteLog(dir.File("old.dbf")));
    SetFrontEnd(nullptr);
    EXPECT_EQ(test::ReadFile(dir.File("old.dbf")), "x");  // the base writes nothing
}

}  // namespace
}  // namespace qz
