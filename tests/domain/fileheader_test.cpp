#include "domain/fileheader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace qz {
namespace {

TFileHeader FullHeader() {
    TFileHeader h;
    h.fhQZ_VersionString = std::string(QZVersionString);
    h.fhQZ_CreatedTimeStamp = 41279.5;
    h.fhQZ_CreatedVersion = {4, 10, 0, 0};
    h.fhQZ_lastModifiedTimeStamp = 41280.25;
    h.fhQZ_LastModifiedVersion = {4, 10, 0, 1};
    h.fhQZ_NoOfColumnDescriptors = 2;
    h.fhQZ_ColumnDescriptors[0] = {cpCall, -1, 100};
    h.fhQZ_ColumnDescriptors[1] = {cpRcvdNumber, 1, 75};
    h.fhQZ_OutputWindows = {owMessages, owDBase};
    h.fhQZ_ReadOnly = true;
    h.fhUser_OwnCall = "DL1ABC";
    h.fhUser_Address = "Street 1";
    h.fhUser_EMail = "a@b.c";
    h.fhUser_Station = "100 W";
    h.fhUser_Power = "100";
    h.fhUser_Club = "Club";
    h.fhUser_PowerCategory = powQRP;
    h.fhUser_ARRLSection = "DX";
    h.fhUser_Name = "Name";
    h.fhUser_Specific = "B01";
    h.fhContest_Contest = cWNA;
    h.fhContest_Category = "SO";
    h.fhContest_ParticipationCategory = catOther;
    h.fhContest_NoOfQSOs = 123456;
    h.fhContest_CtyFile = "/x/cty.dat";
    h.fhContest_OperatorList = "DL1ABC DL2XYZ";
    h.fhContest_SoapBox = "fun";
    h.fhContest_CategoryAssisted = caNonAssisted;
    h.fhContest_CategoryOperator = coChecklog;
    h.fhContest_CategoryPower = cpQRP;
    h.fhContest_CategoryStation = csSchool;
    h.fhContest_CategoryTime = ctm24Hours;
    h.fhContest_CategoryTransmitter = ctxSWL;
    h.fhContest_CategoryOverlay = coOver50;
    h.fhContest_Year = 2013;
    return h;
}

template <typename T>
T At(const std::string& b, std::size_t off) {
    T v;
    std::memcpy(&v, b.data() + off, sizeof v);
    return v;
}

TEST(FileHeader, EveryFieldSitsAtItsOffset) {
    std::string b;
    EncodeFileHeader(FullHeader(), b);
    ASSERT_EQ(b.size(), 4096u);
    EXPECT_EQ(b.substr(0, 10), std::string("\x09QZ v 4.10"));
    EXPECT_DOUBLE_EQ(At<double>(b, 10), 41279.5);
    EXPECT_EQ(At<std::int32_t>(b, 18), 4);
    EXPECT_EQ(At<std::int32_t>(b, 22), 10);
    EXPECT_DOUBLE_EQ(At<double>(b, 34), 41280.25);
    EXPECT_EQ(At<std::int32_t>(b, 54), 1);
    EXPECT_EQ(At<std::uint16_t>(b, 58), 2);
    EXPECT_EQ(b[60], cpCall);
    EXPECT_EQ(At<std::int32_t>(b, 61), -1);
    EXPECT_EQ(At<std::uint16_t>(b, 65), 100);
    EXPECT_EQ(b[67], cpRcvdNumber);
    EXPECT_EQ(At<std::int32_t>(b, 68), 1);
    EXPECT_EQ(At<std::uint16_t>(b, 340), 0x8001);
    EXPECT_EQ(static_cast<unsigned char>(b[342]), 255);
    EXPECT_EQ(b.substr(512, 7), std::string("\006DL1ABC"));
    EXPECT_EQ(b[539], 8);
    EXPECT_EQ(b[795], 5);
    EXPECT_EQ(b.substr(1052, 5), "100 W");
    EXPECT_EQ(b[1819], powQRP);
    EXPECT_EQ(b.substr(1820, 3), std::string("\002DX"));
    EXPECT_EQ(b.substr(2080, 4), std::string("\003B01"));
    EXPECT_EQ(b[2560], cWNA);
    EXPECT_EQ(b[2817], catOther);
    EXPECT_EQ(At<std::int32_t>(b, 2818), 123456);
    EXPECT_EQ(b.substr(2823, 10), "/x/cty.dat");
    EXPECT_EQ(b.substr(3335, 3), "fun");
    EXPECT_EQ(b[3590], caNonAssisted);
    EXPECT_EQ(b[3596], coOver50);
    EXPECT_EQ(At<std::uint16_t>(b, 3597), 2013);
    // Spare areas are zero.
    EXPECT_EQ(b.substr(343, 169), std::string(169, '\0'));
    EXPECT_EQ(b.substr(2112, 448), std::string(448, '\0'));
    EXPECT_EQ(b.substr(3599), std::string(497, '\0'));
}

TEST(FileHeader, RoundTripGivesTheSameHeaderAndBytes) {
    std::string b;
    EncodeFileHeader(FullHeader(), b);
    TFileHeader h;
    std::string error;
    ASSERT_TRUE(DecodeFileHeader(b, h, &error)) << error;
    EXPECT_EQ(h.fhUser_Specific, "B01");
    EXPECT_EQ(h.fhContest_Contest, cWNA);
    EXPECT_EQ(h.fhQZ_ColumnDescriptors[1].Width, 75);
    std::string again;
    EncodeFileHeader(h, again);
    EXPECT_EQ(again, b);
}

TEST(FileHeader, LocationAndGridLiveInBytesThatOlderVersionsLeftZero) {
    TFileHeader full = FullHeader();
    full.fhUser_ARRLSection = "Isle of Wight";
    full.fhUser_GridLocator = "IO90IQ";
    std::string b;
    EncodeFileHeader(full, b);
    ASSERT_EQ(b.size(), 4096u);
    EXPECT_EQ(b.substr(fho::ARRLSection, 4), std::string("\003Isl"));  // what older readers see
    EXPECT_EQ(b.substr(fho::Location, 14), std::string("\015Isle of Wight"));
    EXPECT_EQ(b.substr(fho::GridLocator, 7), std::string("\006IO90IQ"));
    TFileHeader h;
    std::string error;
    ASSERT_TRUE(DecodeFileHeader(b, h, &error)) << error;
    EXPECT_EQ(h.fhUser_ARRLSection, "Isle of Wight");
    EXPECT_EQ(h.fhUser_GridLocator, "IO90IQ");
    std::string again;
    EncodeFileHeader(h, again);
    EXPECT_EQ(again, b);

    // Saved by a version that wrote zeros there: the section field alone.
    std::string older = b;
    std::fill(older.begin() + fho::Location, older.begin() + fho::Contest, '\0');
    ASSERT_TRUE(DecodeFileHeader(older, h, &error));
    EXPECT_EQ(h.fhUser_ARRLSection, "Isl");
    EXPECT_EQ(h.fhUser_GridLocator, "");
    // The section changed by such a version: the stale location is not taken.
    std::string changed = b;
    changed.replace(fho::ARRLSection, 4, std::string("\003MDC"));
    ASSERT_TRUE(DecodeFileHeader(changed, h, &error));
    EXPECT_EQ(h.fhUser_ARRLSection, "MDC");
    // A damaged length there empties the field and leaves the header readable.
    std::string damaged = b;
    damaged[fho::GridLocator] = 11;
    ASSERT_TRUE(DecodeFileHeader(damaged, h, &error));
    EXPECT_EQ(h.fhUser_GridLocator, "");
}

TEST(FileHeader, OverlongValuesAreCutToTheirField) {
    TFileHeader h = FullHeader();
    h.fhUser_OwnCall = std::string(40, 'X');
    h.fhContest_SoapBox = std::string(300, 's');
    std::string b;
    EncodeFileHeader(h, b);
    ASSERT_EQ(b.size(), 4096u);
    EXPECT_EQ(b[512], 26);
    EXPECT_EQ(static_cast<unsigned char>(b[3334]), 255);
    EXPECT_EQ(b[3590], caNonAssisted);  // the next field is intact
}

TEST(FileHeader, UntrustedBytesAreChecked) {
    std::string good;
    EncodeFileHeader(FullHeader(), good);
    TFileHeader h;
    std::string error;
    auto refuse = [&](std::size_t off, unsigned char value) {
        std::string b = good;
        b[off] = static_cast<char>(value);
        error.clear();
        return !DecodeFileHeader(b, h, &error) && !error.empty();
    };
    EXPECT_TRUE(refuse(0, 10));             // version string longer than 9
    EXPECT_TRUE(refuse(512, 27));           // own call longer than 26
    EXPECT_TRUE(refuse(2560, 87));          // contest beyond the table
    EXPECT_TRUE(refuse(3595, 5));           // transmitter category beyond the table
    EXPECT_TRUE(refuse(58, 41));            // more than 40 columns
    EXPECT_TRUE(refuse(60, 20));            // a used column with an unknown property
    EXPECT_FALSE(refuse(60 + 7 * 5, 200));  // an unused column slot may hold anything
    EXPECT_FALSE(DecodeFileHeader(good.substr(0, 4095), h, &error));
}

}  // namespace
}  // namespace qz
