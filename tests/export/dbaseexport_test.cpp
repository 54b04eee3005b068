// The dBase writer: the header and descriptors byte by byte, the values of a record, the
// full 32-bit record count of a log beyond 65,535 lines, and the table read back by an
// independent reader (Debian's python3-dbfread), when it is installed.
#include "export/dbaseexport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ctime>

#include "export/exporttest.h"

namespace qz {
namespace {

using test::Add;

std::uint32_t U32(const std::string& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
    std::uint16_t v;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}

// A record's field by name.
std::string Field(const std::string& table, std::size_t record, std::string_view name) {
    std::size_t offset = 1;
    for (const TdBaseField& f : DBaseFields()) {
        if (f.name == name) return table.substr(dbf::kHeaderLength + record * dbf::kRecordLength + offset, f.length);
        offset += f.length;
    }
    return "?";
}

std::unique_ptr<test::TExportTestLog> LogOf(int lines) {
    auto log = test::MakeExportTestLog(0, 1, 0, false, test::FullHeader(cWAG));
    for (int i = 0; i < lines; ++i) {
        const TMode mode = static_cast<TMode>(i % (mATV + 1));
        Add(*log, {"DL" + std::to_string(i % 10) + "ABC",
                   static_cast<TBand>(i % kNoOfBands),
                   mode,
                   "2013-10-19 15:07",
                   RSTText(DefaultRST[mode]),
                   {},
                   RSTText(DefaultRST[mode]),
                   {"F11"}});
    }
    return log;
}

TEST(DBaseExport, HeaderDescriptorsAndRecords) {
    auto log = LogOf(300);
    Add(*log, {"VERYLONGCALLSIGN/P/QRP", b20m, mPACKET, "2013-05-05 09:30", "599", {}, "579", {"F11"}});
    const std::string t = TdBaseExport(*log).TableBytes(EncodeDate(2026, 12, 9));
    ASSERT_EQ(t.size(), 738u + 301 * 166 + 1);
    EXPECT_EQ(t[0], 3);
    EXPECT_EQ(t.substr(1, 3), std::string("\x1A\x0C\x09", 3));  // 26, 12, 9
    EXPECT_EQ(U32(t, 4), 301u);
    EXPECT_EQ(U16(t, 8), 738);
    EXPECT_EQ(U16(t, 10), 166);
    EXPECT_EQ(t.substr(12, 20), std::string(20, '\0'));
    // Descriptor 4: FREQUENZ, N, 9.3, name zero-padded.
    const std::size_t d = 32 + 3 * 32;
    EXPECT_EQ(t.substr(d, 11), std::string("FREQUENZ\0\0\0", 11));
    EXPECT_EQ(t[d + 11], 'N');
    EXPECT_EQ(t[d + 16], 9);
    EXPECT_EQ(t[d + 17], 3);
    EXPECT_EQ(t.substr(736, 2), std::string("\x0D\x00", 2));
    EXPECT_EQ(t.back(), '\x1A');

    const std::size_t last = 300;
    EXPECT_EQ(t[dbf::kHeaderLength + last * dbf::kRecordLength], ' ');
    EXPECT_EQ(Field(t, last, "CALL"), "VERYLONGCALLSIGN/P");
    EXPECT_EQ(Field(t, last, "DATUM"), "05.05.2013");
    EXPECT_EQ(Field(t, last, "VON"), "09:30");
    EXPECT_EQ(Field(t, last, "BIS"), "09:30");
    EXPECT_EQ(Field(t, last, "FREQUENZ"), "   14.000");
    EXPECT_EQ(Field(t, last, "MODE"), "PAC");
    EXPECT_EQ(Field(t, last, "QSLAB"), "F");
    EXPECT_EQ(Field(t, last, "QSLAN"), "F");
    EXPECT_EQ(Field(t, last, "GEGEBEN"), "599");
    EXPECT_EQ(Field(t, last, "ERHALTEN"), "579");
    EXPECT_EQ(Field(t, last, "NAME"), std::string(15, ' '));
    EXPECT_EQ(Field(t, last, "CSUFF"), "0");
    EXPECT_EQ(Field(t, bSAT, "FREQUENZ"), "99999.000");  // line 26 is on the satellite band
    EXPECT_EQ(Field(t, mWSJT, "MODE"), "WSJ");
}

TEST(DBaseExport, LargeLogsCountEveryRecordAndWriteQuickly) {
    auto log = LogOf(70000);
    const std::clock_t start = std::clock();  // processor time: the machine may be busy
    const std::string t = TdBaseExport(*log).TableBytes(EncodeDate(2026, 12, 9));
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_EQ(U32(t, 4), 70000u);  // beyond 16 bits
    EXPECT_EQ(t.size(), 738u + 70000u * 166u + 1u);
    std::printf("dBase export of 70000 lines: %.1f ms\n", ms);
    EXPECT_LT(ms, 1400.0);  // the goal is 100 ms per 50,000 lines; this only catches a quadratic pass

    // An independent reader reads every record and field back.
    if (std::system("/usr/bin/python3 -c 'import dbfread' 2>/dev/null") != 0)
        GTEST_SKIP() << "python3-dbfread is not installed (apt-get install python3-dbfread)";
    test::TempDir dir;
    const std::string file = dir.File("big.dbf");
    TdBaseExport writer(*log);
    ASSERT_TRUE(writer.WriteLog(file)) << writer.LastError();
    const std::string script = dir.File("check.py");
    test::WriteFile(
        script,
        "import sys, dbfread\n"
        "t = dbfread.DBF(sys.argv[1], encoding='cp1252', char_decode_errors='strict')\n"
        "n = 0\n"
        "for r in t:\n"
        "    assert len(r) == 22, r\n"
        "    assert r['QSLAB'] is False and r['QSLAN'] is False, r\n"
        "    assert r['CSUFF'] == 0, r\n"
        "    assert r['DATUM'] == '19.10.2013' and r['VON'] == '15:07', r\n"
        "    n += 1\n"
        "rows = list(t)\n"
        "print(n, len(t.fields), rows[26]['FREQUENZ'], rows[0]['CALL'], rows[9]['MODE'], rows[5]['DOK'])\n");
    const std::string out = dir.File("out.txt");
    ASSERT_EQ(std::system(("/usr/bin/python3 " + script + " " + file + " > " + out).c_str()), 0);
    EXPECT_EQ(test::ReadFile(out), "70000 22 99999.0 DL0ABC PAC \n");
}

}  // namespace
}  // namespace qz
