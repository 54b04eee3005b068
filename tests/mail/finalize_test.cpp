// The finalize sequence and its stored choice.
#include <gtest/gtest.h>

#include <string>

#include "base/settingsstore.h"
#include "mail/finalize.h"

namespace qz {
namespace {

// Records the steps it is asked to run.
class FakeSteps : public TFinalizeSteps {
public:
    bool readOnly = false, saves = true;
    std::string exportFile = "DL1ABC.log";
    std::string calls;
    void Compile() override { calls += "compile "; }
    bool ReadOnly() const override { return readOnly; }
    bool LockAndSave() override {
        calls += "save ";
        return saves;
    }
    void ClearUndo() override { calls += "undo "; }
    std::string Export(TOutputWindow format) override {
        calls += format == owCabrillo ? "cabrillo " : "stf ";
        return exportFile;
    }
    bool Send(const std::string& file) override {
        calls += "send:" + file;
        return true;
    }
};

TEST(Finalize, StepsRunInOrderAndStopWhereTheWorkflowEnds) {
    struct Case {
        const char* name;
        bool readOnly, saves;
        const char* exportFile;
        TFinalizeChoice choice;
        const char* calls;
        TFinalizeResult result;
    };
    const Case cases[] = {
        {"all",
         false,
         true,
         "DL1ABC.log",
         {true, owCabrillo, true},
         "compile save undo cabrillo send:DL1ABC.log",
         TFinalizeResult::Done},
        {"already read-only",
         true,
         true,
         "DL1ABC.stf",
         {true, owSTF, true},
         "compile undo stf send:DL1ABC.stf",
         TFinalizeResult::Done},
        {"save cancelled", false, false, "x", {true, owSTF, true}, "compile save ", TFinalizeResult::NotSaved},
        {"export cancelled",
         false,
         true,
         "",
         {true, owSTF, true},
         "compile save undo stf ",
         TFinalizeResult::NotExported},
        {"no export", false, true, "x", {false, owSTF, true}, "compile save undo ", TFinalizeResult::Done},
        {"no send", false, true, "x", {true, owCabrillo, false}, "compile save undo cabrillo ", TFinalizeResult::Done},
    };
    for (const Case& c : cases) {
        FakeSteps steps;
        steps.readOnly = c.readOnly;
        steps.saves = c.saves;
        steps.exportFile = c.exportFile;
        EXPECT_EQ(RunFinalize(c.choice, steps), c.result) << c.name;
        EXPECT_EQ(steps.calls, c.calls) << c.name;
    }
}

TEST(Finalize, ProposedFormatIsTheContestsSubmissionFormat) {
    EXPECT_EQ(SubmissionFormat(cWWDXcw), owCabrillo);
    EXPECT_EQ(SubmissionFormat(cWAG), owCabrillo);
    EXPECT_EQ(SubmissionFormat(cNoContest), owSTF);  // no Cabrillo name
}

TEST(Finalize, TheChoiceIsStoredAsTheDialogStoresIt) {
    StoreFinalizeChoice({true, owCabrillo, true});
    EXPECT_EQ(ReadSettingInteger("Finalize_Export", -1), 2);
    TFinalizeChoice c = LoadFinalizeChoice();
    EXPECT_TRUE(c.exportLog && c.sendEMail);
    EXPECT_EQ(c.format, owCabrillo);
    // Not exporting also means not sending.
    StoreFinalizeChoice({false, owSTF, true});
    EXPECT_EQ(ReadSettingInteger("Finalize_Export", -1), 0);
    EXPECT_FALSE(ReadSettingBool("Finalize_SendEMail", true));
    c = LoadFinalizeChoice();
    EXPECT_FALSE(c.exportLog || c.sendEMail);
    StoreFinalizeChoice({true, owSTF, true});
    EXPECT_EQ(LoadFinalizeChoice().format, owSTF);
}

}  // namespace
}  // namespace qz
