// Callsign analysis: country data of a call and its operating-condition suffix.
#include "domain/call.h"

#include <gtest/gtest.h>

#include <string>

#include "testutil.h"

namespace qz {
namespace {

std::unique_ptr<TCtyStuff> BasicCty() {
    return std::make_unique<TCtyStuff>(std::string(QZ_TEST_DATA_DIR) + "/cty/basic.dat");
}

TEST(Call, CountryDataOfTheCall) {
    auto cty = BasicCty();
    TCall call("dl1abc", cty.get());
    EXPECT_EQ(call.Call(), "DL1ABC");
    EXPECT_EQ(call.CtyStuff(), cty.get());
    ASSERT_NE(call.PrefixRec(), nullptr);
    EXPECT_EQ(call.CtyName(), "Fed. Rep. of Germany");
    EXPECT_EQ(call.CtyMasterPrefix(), "DL");
    EXPECT_FALSE(call.CtyIsWAE());
    EXPECT_EQ(call.CQZone(), 14);
    EXPECT_EQ(call.ITUZone(), 28);
    EXPECT_EQ(call.Continent(), coEU);
    EXPECT_EQ(call.Prefix(), "DL1");
    EXPECT_EQ(call.RelevantPart(), "DL1ABC");
    EXPECT_EQ(call.District(), "DL1");
    EXPECT_EQ(call.CallArea(), 1);

    TCall sicily("IT9XYZ", cty.get());
    EXPECT_TRUE(sicily.CtyIsWAE());
    TCall portable("W6XYZ/4", cty.get());
    EXPECT_EQ(portable.RelevantPart(), "W4");
    EXPECT_EQ(portable.Prefix(), "W4");
    EXPECT_EQ(portable.District(), "K4");
    EXPECT_EQ(portable.CallArea(), 4);
    EXPECT_EQ(TCall("K1ABC/VE3", cty.get()).CQZone(), 4);
    EXPECT_EQ(TCall("VE3/K1ABC", cty.get()).CQZone(), 4);
}

TEST(Call, UnknownCallOrNoDataGivesEmptyAnswers) {
    auto cty = BasicCty();
    for (const TCall& call : {TCall("QQ1ABC", cty.get()), TCall("DL1ABC", nullptr), TCall(), TCall("", cty.get())}) {
        EXPECT_EQ(call.PrefixRec(), nullptr);
        EXPECT_EQ(call.CtyName(), "");
        EXPECT_EQ(call.CtyMasterPrefix(), "");
        EXPECT_FALSE(call.CtyIsWAE());
        EXPECT_EQ(call.CQZone(), 0);
        EXPECT_EQ(call.ITUZone(), 0);
        EXPECT_EQ(call.Continent(), coInvalid);
        EXPECT_EQ(call.District(), "");
    }
    // The call text itself is still analysed.
    TCall noData("DL1ABC/P", nullptr);
    EXPECT_EQ(noData.Prefix(), "DL1");
    EXPECT_EQ(noData.CallArea(), 1);
    EXPECT_TRUE(noData.IsPortable());
}

TEST(Call, SettingTheCallOrTheDataLooksUpAgain) {
    auto cty = BasicCty();
    auto other = TCtyStuff::FromText("Elsewhere: 1: 2: SA: 0: 0: 0: EL:\n  DL;\n");
    TCall call;
    call.SetCtyStuff(cty.get());
    call.SetCall("ea8abc");
    EXPECT_EQ(call.Call(), "EA8ABC");
    EXPECT_EQ(call.CtyName(), "Canary Islands");
    call.SetCall("DL1ABC");
    EXPECT_EQ(call.CtyName(), "Fed. Rep. of Germany");
    call.SetCtyStuff(other.get());
    EXPECT_EQ(call.CtyName(), "Elsewhere");
    call.SetCall("dl1abc");  // the same call in other case: nothing changes
    EXPECT_EQ(call.Call(), "DL1ABC");
    EXPECT_EQ(call.CtyName(), "Elsewhere");
    call.SetCtyStuff(nullptr);
    EXPECT_EQ(call.PrefixRec(), nullptr);
}

TEST(Call, ExtensionsAndPortableTests) {
    struct Case {
        const char* call;
        TCallExtension ext;
        bool portable, mobile, maritime, novice, altOrD;
    };
    const Case cases[] = {
        {"DL1ABC/P", eP, true, false, false, false, false},
        {"DL1ABC/M", eM, true, true, false, false, false},
        {"DL1ABC/MM", eMM, true, false, true, false, false},
        {"DL1ABC/AM", eAM, false, false, false, false, false},
        {"EA8/DL1ABC/P", eP, true, false, false, false, false},
        {"dl1abc/p", eP, true, false, false, false, false},
        {"DL1ABC/QRP", eNo, false, false, false, false, false},
        {"W1ZZZ/4/N", eNov, false, false, false, true, false},
        {"W1ZZZ/T", eTec, false, false, false, true, false},
        {"DL1ABC/J", eJOTA, false, false, false, false, false},
        {"DL1ABC/A", eAlternative, false, false, false, false, true},
        {"DL1ABC/D", eD, false, false, false, false, true},
        {"DL1ABC/P/MM", eP, true, false, false, false, false},
        {"DL1ABC/X/Y/P", eNo, false, false, false, false, false},
        {"DL1ABC", eNo, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        TCall call(c.call, nullptr);
        EXPECT_EQ(call.Extension(), c.ext) << c.call;
        EXPECT_EQ(call.IsPortable(), c.portable) << c.call;
        EXPECT_EQ(call.IsMobile(), c.mobile) << c.call;
        EXPECT_EQ(call.IsMaritmeMobile(), c.maritime) << c.call;
        EXPECT_EQ(call.IsNoviceOrTechnican(), c.novice) << c.call;
        EXPECT_EQ(call.IsAlternativeOrD(), c.altOrD) << c.call;
        TCallExtension a = eEOL, b = eEOL, d = eEOL;
        EXPECT_EQ(call.IsPortableEx(a), c.portable);
        EXPECT_EQ(call.IsMaritmeMobileEx(b), c.maritime);
        EXPECT_EQ(call.IsNoviceOrTechnicanEx(d), c.novice);
        EXPECT_EQ(a, c.ext);
        EXPECT_EQ(b, c.ext);
        EXPECT_EQ(d, c.ext);
    }
}

TEST(Call, PureCallIsTheStrictlyLongestPart) {
    const std::pair<const char*, const char*> cases[] = {
        {"EA8/DL1ABC", "DL1ABC"}, {"DL1ABC", "DL1ABC"},      {"AB1/CD2", ""},
        {"DL1ABC/P", "DL1ABC"},   {"PA/DL1ABC/P", "DL1ABC"}, {"", ""},
        {"A/B/CC/DDDDDD", "CC"},
    };
    for (const auto& [call, pure] : cases) EXPECT_EQ(TCall(call, nullptr).PureCall(), pure) << call;
}

TEST(Call, StaysSmallForOneCopyPerLogLine) { EXPECT_LE(sizeof(TCall), sizeof(std::string) + 2 * sizeof(void*)); }

TEST(Call, RealFileLookups) {
    if (test::SystemCountryFile().empty()) GTEST_SKIP() << "hamradio-files is not installed: no system cty.dat";
    TCtyStuff cty(test::SystemCountryFile());
    TCall dl("DL1ABC/P", &cty);
    EXPECT_EQ(dl.CtyName(), "Fed. Rep. of Germany");
    EXPECT_EQ(dl.District(), "DL1");
    TCall ua("RA3ABC", &cty);
    EXPECT_EQ(ua.CtyMasterPrefix(), "UA");
    EXPECT_EQ(ua.District(), "UA3");
    TCall mm("OE3XYZ/MM", &cty);
    EXPECT_EQ(mm.CtyName(), "Austria");
    EXPECT_TRUE(mm.IsMaritmeMobile());
}

}  // namespace
}  // namespace qz
