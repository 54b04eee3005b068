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

TEST(Options, UnreadableValuesKeepTheirDefaults) {
    TOptions r;
    r.EMail_SMTPPort.oValue = 1;
    LoadOptions(r, TSettingsStore::Parse("[QZ]\nEMail_SMTPPort=abc\nCompile_SortLog=perhaps\n"));
    EXPECT_EQ(r.EMail_SMTPPort.oValue, 25);
    EXPECT_TRUE(r.Compile_SortLog.oValue);
}

}  // namespace
}  // namespace qz
