#include "base/language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "base/installfiles.h"
#include "testutil.h"

namespace qz {
namespace {

TEST(Language, CaptionAndHintSplitAtTheFirstBar) {
    TLanguageStrings ls = TLanguageStrings::FromText("\r\nOpen|Open a log\r\nOpen\r\na|b|c\r\n");
    EXPECT_EQ(ls.GetCaption(1), "Open");
    EXPECT_EQ(ls.GetHint(1), "Open a log");
    EXPECT_EQ(ls.GetCaption(2), "Open");
    EXPECT_EQ(ls.GetHint(2), "");
    EXPECT_EQ(ls.GetCaption(3), "a");
    EXPECT_EQ(ls.GetHint(3), "b|c");
    EXPECT_EQ(ls.GetString(3), "a|b|c");
    EXPECT_EQ(ls.GetString(-1), "");
    EXPECT_EQ(ls.GetString(999), "");
}

TEST(Language, EncodedFileRoundTripsEveryByte) {
    std::string text = "\r\nZ\xE4hler|hint\r\n\xFF";
    text += std::string(1, '\0') + "x\r\n\x7f";
    std::string encoded = EncodeLanguageText(text);
    ASSERT_EQ(encoded.size(), kLanguageHeaderSize + text.size());
    EXPECT_EQ(encoded[0], 4);
    EXPECT_EQ(encoded[4], 10);
    EXPECT_EQ(encoded[kLanguageHeaderSize], '\r' + 1);
    EXPECT_EQ(static_cast<unsigned char>(encoded[kLanguageHeaderSize + 15]), 0x00);  // 0xFF + 1 wraps
    TLanguageLoadResult result;
    TLanguageStrings ls = TLanguageStrings::FromEncoded(encoded, &result);
    ASSERT_EQ(result, TLanguageLoadResult::Ok);
    EXPECT_EQ(ls.GetCaption(1), "Z\xE4hler");
}

TEST(Language, FileOfAnotherVersionIsRefused) {
    std::string encoded = EncodeLanguageText("a\r\nb\r\n");
    encoded[12] = 1;  // 4.10.0.1
    TLanguageLoadResult result;
    TLanguageStrings ls = TLanguageStrings::FromEncoded(encoded, &result);
    EXPECT_EQ(result, TLanguageLoadResult::WrongVersion);
    EXPECT_FALSE(ls.FileLoadDone());
    EXPECT_EQ(ls.GetString(0), "");
    // A file shorter than its header is refused as well.
    TLanguageStrings::FromEncoded(encoded.substr(0, 100), &result);
    EXPECT_EQ(result, TLanguageLoadResult::Unreadable);
}

TEST(Language, MissingFileGivesBilingualMessage) {
    TLanguageLoadResult result;
    TLanguageStrings ls = TLanguageStrings::FromFile("/nonexistent/Eng.qz", &result);
    EXPECT_EQ(result, TLanguageLoadResult::Missing);
    std::string msg = LanguageFileErrorMessage("/nonexistent/Eng.qz", result);
    EXPECT_NE(msg.find("not found"), std::string::npos);
    EXPECT_NE(msg.find("nicht gefunden"), std::string::npos);
    EXPECT_NE(LanguageFileErrorMessage("x", TLanguageLoadResult::WrongVersion).find("Programmversion"),
              std::string::npos);
}

TEST(Language, ShippedFilesLoadAndAgree) {
    // Both languages hold every number at the same line.
    std::vector<int> counts;
    for (const char* name : {"Eng.qz", "Ger.qz"}) {
        std::string path = std::string(QZ_STAGED_DATA_DIR) + "/Encoded/" + name;
        TLanguageLoadResult result;
        TLanguageStrings ls = TLanguageStrings::FromFile(path, &result);
        ASSERT_EQ(result, TLanguageLoadResult::Ok) << path;
        counts.push_back(ls.Count());
        for (int n : {45, 47, 195, 198, 261, 262, 293, 341, 348, 349})
            EXPECT_FALSE(ls.GetString(n).empty()) << name << " string " << n;
    }
    EXPECT_EQ(counts[0], counts[1]);
}

TEST(Language, ClfEncodesTheSourcesOfAFolder) {
    test::TempDir dir;
    const std::string shipped = test::ReadFile(std::string(QZ_SOURCE_DIR) + "/data/lang/eng.lsl");
    test::WriteFile(dir.File("eng.lsl"), shipped);
    std::string error;
    ASSERT_TRUE(WriteLanguageFiles(dir.path().string(), &error)) << error;
    TLanguageLoadResult result;
    TLanguageStrings ls = TLanguageStrings::FromFile(LanguageFilePath(lEnglish), &result);
    EXPECT_EQ(result, TLanguageLoadResult::Ok);
    EXPECT_EQ(ls.GetString(195), TLanguageStrings::FromText(shipped).GetString(195));
    // No ger.lsl in the folder: the German file was not written.
    EXPECT_FALSE(FileExists(InstalledFilePath(InstalledFile("Ger.qz"))));

    // A source lacking strings the program uses would blank every text past its end: it
    // is refused, and the installed file stays.
    const std::string installed = test::ReadFile(LanguageFilePath(lEnglish));
    test::WriteFile(dir.File("eng.lsl"), "Open|Open a log\r\n");
    EXPECT_FALSE(WriteLanguageFiles(dir.path().string(), &error));
    EXPECT_NE(error.find("eng.lsl: holds 1 strings"), std::string::npos) << error;
    EXPECT_EQ(test::ReadFile(LanguageFilePath(lEnglish)), installed);
    std::filesystem::remove_all(std::filesystem::path(LanguageFilePath(lEnglish)).parent_path() / "Backup");
    std::filesystem::remove(LanguageFilePath(lEnglish));
}

TEST(Language, ShortCutTextsUseTheLanguageStrings) {
    auto ls = std::make_shared<TLanguageStrings>(
        TLanguageStrings::FromText(std::string(365, '\n') + "Shift+\nCtrl+\nAlt+\n"));
    SetLanguageStrings(ls);
    EXPECT_EQ(ShortCutText('S', false, true, false), "Ctrl+S");
    EXPECT_EQ(ShortCutText(112 + 8, true, false, true), "Shift+Alt+F9");
    EXPECT_EQ(ShortCutText(99, false, false, false), "3");  // numeric keypad
    EXPECT_EQ(ShortCutText(200, false, true, false), "");
    SetLanguageStrings(nullptr);
}

}  // namespace
}  // namespace qz
