// The kept message files, the journal over them and the robot address list file.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "base/datetime.h"
#include "base/fileio.h"
#include "mail/emailfile.h"
#include "mail/journal.h"
#include "mail/robotaddresses.h"
#include "testutil.h"

namespace qz {
namespace {

TEMailFile SampleMessage(const std::string& call) {
    TEMailFile m;
    m.ehSMTPHost = "mail.example.org";
    m.ehFrom = "dl1abc@example.org";
    m.ehTo = "robot@example.net";
    m.ehCopy = "dl1abc@example.org";
    m.ehSubject = "Log\r\nBcc: injected@example.com";
    m.ehCall = call;
    m.ehContest = "CQ WW DX Contest CW";
    m.ehAttachmentName = "RI0VEZ.log";
    m.ehBody = "Line one\r\nLine two";
    m.ehAttachment = "START-OF-LOG: 3.0\r\n[not a section]\r\nEND-OF-LOG:";
    return m;
}

TEST(EMailFile, SavedMessageReadsBackWithItsNameDateAndTexts) {
    test::TempDir dir;
    const TDateTime sent = EncodeDate(2013, 3, 3) + EncodeTime(9, 5, 7, 0);
    TEMailFile m = SampleMessage("RI0VEZ");
    std::string error;
    const std::string path = m.SaveToFile(dir.File("E-Mails"), sent, &error);
    ASSERT_EQ(path, dir.File("E-Mails/20130303_090507_RI0VEZ.qz_email")) << error;

    TEMailFile back;
    ASSERT_TRUE(back.LoadFromFile(path));
    EXPECT_EQ(back.ehFormattedDateTime(), "03.03.2013    09:05:07");
    EXPECT_EQ(back.ehSMTPHost, "mail.example.org");
    EXPECT_EQ(back.ehTo, "robot@example.net");
    EXPECT_EQ(back.ehCall, "RI0VEZ");
    EXPECT_EQ(back.ehContest, "CQ WW DX Contest CW");
    EXPECT_EQ(back.ehAttachmentName, "RI0VEZ.log");
    // A line break in a header value would have started a key of its own.
    EXPECT_EQ(back.ehSubject, "Log  Bcc: injected@example.com");
    // The empty line written before the attachment section belongs to the body.
    EXPECT_EQ(back.ehBody, "Line one\r\nLine two\r\n\r\n");
    // The attachment runs to the end of the file, its "[" line included.
    EXPECT_EQ(back.ehAttachment, "START-OF-LOG: 3.0\r\n[not a section]\r\nEND-OF-LOG:\r\n");
    EXPECT_EQ(test::ReadFile(path).substr(0, 37), "[Header]\r\nSMTPHost=mail.example.org\r\n");
}

TEST(EMailFile, NamesAreSafeAndNeverReplaceAnEarlierMessage) {
    test::TempDir dir;
    const TDateTime sent = EncodeDate(2024, 11, 30) + EncodeTime(23, 59, 1, 0);
    TEMailFile first = SampleMessage("PA/DL1ABC/P");
    const std::string a = first.SaveToFile(dir.path().string(), sent);
    EXPECT_EQ(std::filesystem::path(a).filename(), "20241130_235901_PA_DL1ABC_P.qz_email");
    TEMailFile second = SampleMessage("PA/DL1ABC/P");
    second.ehBody = "second";
    const std::string b = second.SaveToFile(dir.path().string(), sent);
    EXPECT_EQ(std::filesystem::path(b).filename(), "20241130_235901_PA_DL1ABC_P_2.qz_email");
    TEMailFile back;
    ASSERT_TRUE(back.LoadFromFile(a));
    EXPECT_EQ(back.ehBody, "Line one\r\nLine two\r\n\r\n");

    // A folder that cannot be made: nothing kept, the reason named.
    test::WriteFile(dir.File("plain"), "x");
    std::string error;
    EXPECT_EQ(second.SaveToFile(dir.File("plain/sub"), sent, &error), "");
    EXPECT_NE(error, "");
}

TEST(EMailFile, HandEditedFilesReadWhatTheyHold) {
    TEMailFile m;
    m.LoadFromText("[header]\nto = x@y.z\nDate=2013\nTime=0905\nUnknown=1\n[BODY]\nhello\n");
    EXPECT_EQ(m.ehTo, " x@y.z");
    EXPECT_EQ(m.ehFormattedDateTime(), "");  // date and time are shown only when complete
    EXPECT_EQ(m.ehBody, "hello\r\n");
    EXPECT_EQ(m.ehAttachment, "");
    m.LoadFromText("no sections at all\r\nFrom=a@b.c\r\n");
    EXPECT_EQ(m.ehFrom, "");
    EXPECT_EQ(m.ehBody, "");
}

TEST(EMailJournal, ListsReadableMessagesOldestFirst) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    TEMailFile m1 = SampleMessage("DL1ABC"), m2 = SampleMessage("RI0VEZ");
    m2.SaveToFile(folder, EncodeDate(2013, 11, 26) + EncodeTime(18, 45, 2, 0));
    m1.SaveToFile(folder, EncodeDate(2012, 1, 2) + EncodeTime(3, 4, 5, 0));
    test::WriteFile(dir.File("notes.txt"), "[Header]\r\nCall=X\r\n");
    std::filesystem::create_directory(dir.File("folder.qz_email"));

    auto journal = ReadJournal(folder);
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[0].message.ehCall, "DL1ABC");
    EXPECT_EQ(journal[0].message.ehFormattedDateTime(), "02.01.2012    03:04:05");
    EXPECT_EQ(journal[1].message.ehCall, "RI0VEZ");
    EXPECT_TRUE(ReadJournal(dir.File("missing")).empty());
}

TEST(RobotAddressList, FileRoundTripsAndDamagedFilesAreReported) {
    TEMailAddressTable table{};
    table[cWWDXcw] = "cw@example.org";
    table[cWNA] = std::string("x\xFF@y", 4);  // 0xFF is stored as 0x00
    const std::string bytes = EncodeRobotAddresses(table);
    EXPECT_EQ(bytes.size(), 85u + 14u + 4u);
    EXPECT_EQ(bytes.substr(0, 3), std::string("\x0E"
                                              "dx",
                                              3));
    EXPECT_EQ(bytes.substr(bytes.size() - 3, 1), std::string(1, '\0'));

    TEMailAddressTable back{};
    EXPECT_EQ(DecodeRobotAddresses(bytes, "ema.qz", back, nullptr), 85);
    EXPECT_EQ(back, table);

    // Fewer records leave the other entries as they were; a record cut short is not
    // taken, and bytes beyond 85 records are named.
    TEMailAddressTable kept{};
    kept[2] = "old2@example.org";
    kept[3] = "old3@example.org";
    std::vector<std::string> messages;
    EXPECT_EQ(DecodeRobotAddresses(bytes.substr(0, 15) + "\x05"
                                                         "ab",
                                   "ema.qz", kept, &messages),
              1);
    EXPECT_EQ(kept[1], "cw@example.org");
    EXPECT_EQ(kept[2], "old2@example.org");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("ema.qz: record 2 is cut short"), std::string::npos) << messages[0];
    messages.clear();
    EXPECT_EQ(DecodeRobotAddresses(bytes + "junk", "ema.qz", kept, &messages), 85);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("4 bytes after the last"), std::string::npos) << messages[0];
}

TEST(RobotAddressList, SavingKeepsABackupAndLoadingFailsOnlyWithoutAFile) {
    test::TempDir dir;
    const TEMailAddressTable saved = EMailAddresses;
    TEMailAddressList list(dir.File("Encoded/ema.qz"));
    EXPECT_FALSE(list.LoadFromFile());
    EMailAddresses[cCQM] = "cqm@example.org";
    ASSERT_TRUE(list.SaveToFile()) << list.Error();
    EMailAddresses[cCQM] = "new@example.org";
    ASSERT_TRUE(list.SaveToFile()) << list.Error();
    TEMailAddressTable old{};
    DecodeRobotAddresses(test::ReadFile(dir.File("Encoded/Backup/ema.qz.0")), "", old, nullptr);
    EXPECT_EQ(old[cCQM], "cqm@example.org");
    // A save that fails on a full disk leaves the list as it was.
    EMailAddresses[cCQM] = "lost@example.org";
    InjectFileFault(TFileFault::Write, ENOSPC);
    EXPECT_FALSE(list.SaveToFile());
    EXPECT_NE(list.Error().find("No space left"), std::string::npos) << list.Error();
    EMailAddresses[cCQM] = "";
    ASSERT_TRUE(list.LoadFromFile());
    EXPECT_EQ(EMailAddresses[cCQM], "new@example.org");
    EMailAddresses = saved;
}

TEST(RobotAddressList, ShippedSourceNamesEveryContestOnce) {
    TEMailAddressTable table{};
    std::string error;
    EXPECT_TRUE(ParseRobotAddressSource(test::ReadFile(std::string(QZ_SOURCE_DIR) + "/data/robot-addresses.txt"), table,
                                        &error))
        << error;
    EXPECT_FALSE(ParseRobotAddressSource("# c\n1;CQ WW;a@b\n3;x;\n", table, &error));
    EXPECT_EQ(error, "line 3: contest 2 expected");
    EXPECT_FALSE(ParseRobotAddressSource("1;CQ WW\n", table, &error));
    EXPECT_EQ(error, "line 1: not \"ordinal;contest;address\"");
}

}  // namespace
}  // namespace qz
