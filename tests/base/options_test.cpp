#include "base/options.h"

#include <gtest/gtest.h>

#include "base/settingsstore.h"

namespace qz {
namespace {

TEST(Options, DefaultsBeforeAnythingIsLoaded) {
    TOptions o;
    EXPECT_TRUE(o.Compile_SortLog.oValue);
    EXPECT_TRUE(o.Compile_CancelQSOIfBandIsNotAllowed.oValue);
    EXPECT_TRUE(o.Compile_CancelQSOIfModeIsNotAllowed.oValue);
    EXPECT_TRUE(o.Import_ASCII_AcceptLettersAndFigsOnly.oValue);
    EXPECT_FALSE(o.Import_SaveAsCallsign.oValue);
    EXPECT_EQ(o.EMail_SMTPPort.oValue, 25);
    EXPECT_EQ(o.EMail_Password.oRegistryName, "BlahBlah_BlubbBlubb");
    EXPECT_EQ(o.Path_QZ_Logs.oValue, CommonDocumentsFolder() + "/QZ/QZ Logs");
    EXPECT_EQ(o.Font_StringGrid.sfSize, 8);
}

TEST(Options, RoundTripThroughTheStore) {
    TOptions o;
    o.Compile_SortLog.oValue = false;
    o.EMail_SMTPHost.oValue = "smtp.example.org";
    o.EMail_SMTPPort.oValue = 587;
    o.Path_EMails.oValue = "/srv/mail";
    o.Font_StringGrid = {11, "DejaVu Sans", fsBold | fsItalic};
    TSettingsStore store;
    SaveOptions(o, store);
    EXPECT_FALSE(store.GetBool(kMainSection, "Compile_SortLog", true));
    TOptions r;
    LoadOptions(r, TSettingsStore::Parse(store.Serialize()));
    EXPECT_FALSE(r.Compile_SortLog.oValue);
    EXPECT_EQ(r.EMail_SMTPHost.oValue, "smtp.example.org");
    EXPECT_EQ(r.EMail_SMTPPort.oValue, 587);
    EXPECT_EQ(r.Path_EMails.oValue, "/srv/mail");
    EXPECT_EQ(r.Font_StringGrid.sfName, "DejaVu Sans");
    EXPECT_EQ(r.Font_StringGrid.sfStyle, fsBold | fsItalic);
}

TEST(Options, NonsenseValuesKeepTheirDefaultsAndAreNamed) {
    TOptions r;
    r.EMail_SMTPPort.oValue = 1;
    std::vector<std::string> notes;
    LoadOptions(r,
                TSettingsStore::Parse("[QZ]\nEMail_SMTPPort=abc\nCompile_SortLog=perhaps\nEMail_Type=7\n"
                                      "Import_SaveAsCallsign=1\nEditor_Font_Size=-3\nEditor_Font_Name=Serif\n"
                                      "Editor_Font_Style=1\nPath_EMails=\nEMail_SMTPHost=a\\nb\n"),
                &notes);
    EXPECT_EQ(r.EMail_SMTPPort.oValue, 25);
    EXPECT_TRUE(r.Compile_SortLog.oValue);
    EXPECT_EQ(r.EMail_Type.oValue, 0);
    EXPECT_TRUE(r.Import_SaveAsCallsign.oValue);  // a good value next to bad ones is taken
    EXPECT_EQ(r.Font_StringGrid.sfSize, 8);       // one bad font value resets all three
    EXPECT_EQ(r.Font_StringGrid.sfName, "MS Sans Serif");
    EXPECT_EQ(r.Path_EMails.oValue, TOptions().Path_EMails.oValue);
    EXPECT_EQ(r.EMail_SMTPHost.oValue, "");
    std::string all;
    for (const auto& n : notes) all += n + "\n";
    for (const char* name : {"EMail_SMTPPort=abc", "Compile_SortLog=perhaps", "EMail_Type=7", "Editor_Font_Size=-3",
                             "Path_EMails", "EMail_SMTPHost"})
        EXPECT_NE(all.find(name), std::string::npos) << name << " not named in:\n" << all;
    EXPECT_EQ(notes.size(), 6u) << all;
}

TEST(Options, PasswordIsStoredScrambledAndReadBack) {
    for (const std::string& password : {std::string(), std::string("s3cr\xE4t pass"), std::string(60, 'x')}) {
        TOptions o;
        o.EMail_Password.oValue = password;
        TSettingsStore a, b;
        SaveOptions(o, a);
        SaveOptions(o, b);
        const std::string stored = a.GetString(kMainSection, "BlahBlah_BlubbBlubb", "");
        EXPECT_GE(stored.size(), 100u);
        EXPECT_NE(stored, b.GetString(kMainSection, "BlahBlah_BlubbBlubb", ""));  // random every time
        if (password.size() > 2) {
            EXPECT_EQ(stored.find(password), std::string::npos);
        }
        for (const TSettingsStore* s : {&a, &b}) {
            TOptions r;
            std::vector<std::string> notes;
            LoadOptions(r, TSettingsStore::Parse(s->Serialize()), &notes);
            EXPECT_EQ(r.EMail_Password.oValue, password);
            EXPECT_TRUE(notes.empty());
        }
    }
    // A stored string edited by hand: the password stays empty, with the note.
    TOptions o;
    o.EMail_Password.oValue = "secret";
    TSettingsStore s;
    SaveOptions(o, s);
    std::string stored = s.GetString(kMainSection, "BlahBlah_BlubbBlubb", "");
    for (std::size_t i = 0; i < 40; ++i) stored[i] = stored[i] == '5' ? '7' : '5';
    s.SetString(kMainSection, "BlahBlah_BlubbBlubb", stored);
    TOptions r;
    std::vector<std::string> notes;
    LoadOptions(r, s, &notes);
    EXPECT_EQ(r.EMail_Password.oValue, "");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("Internal error: decoding failed."), std::string::npos);
}

}  // namespace
}  // namespace qz
