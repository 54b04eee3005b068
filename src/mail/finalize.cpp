#include "mail/finalize.h"

#include "base/settingsstore.h"

namespace qz {

TFinalizeChoice LoadFinalizeChoice() {
    TFinalizeChoice choice;
    const std::int32_t stored = ReadSettingInteger("Finalize_Export", 1);
    choice.exportLog = stored != 0;
    choice.format = stored == 2 ? owCabrillo : owSTF;
    choice.sendEMail = choice.exportLog && ReadSettingBool("Finalize_SendEMail", true);
    return choice;
}

void StoreFinalizeChoice(const TFinalizeChoice& choice) {
    WriteSettingInteger("Finalize_Export", !choice.exportLog ? 0 : choice.format == owCabrillo ? 2 : 1);
    WriteSettingBool("Finalize_SendEMail", choice.exportLog && choice.sendEMail);
}

TOutputWindow SubmissionFormat(TContest contest) {
    const auto c = static_cast<std::size_t>(contest);
    const bool cabrillo = c < CabrilloContestNames.size() && !CabrilloContestNames[c].empty() &&
                          CabrilloContestNames[c] != CabrilloContestNames[cNoContest];
    return cabrillo ? owCabrillo : owSTF;
}

TFinalizeResult RunFinalize(const TFinalizeChoice& choice, TFinalizeSteps& steps, std::string* exportedFile) {
    steps.Compile();
    if (!steps.ReadOnly() && !steps.LockAndSave()) return TFinalizeResult::NotSaved;
    steps.ClearUndo();
    if (!choice.exportLog) return TFinalizeResult::Done;
    const std::string file = steps.Export(choice.format);
    if (exportedFile) *exportedFile = file;
    if (file.empty()) return TFinalizeResult::NotExported;
    if (choice.sendEMail && !steps.Send(file)) return TFinalizeResult::NotSent;
    return TFinalizeResult::Done;
}

}  // namespace qz
