#include "gui/helpcommands.h"

#include <QMessageBox>

#include "base/frontend.h"
#include "base/language.h"
#include "base/version.h"
#include "gui/shellstrings.h"
#include "gui/mainwindow.h"
#include "gui/qtext.h"
#include "update/qzupdate.h"

namespace qz::gui {

void CheckProgramVersion(TMainForm& form) {
    if (!CanUpdate(static_cast<int>(form.Editors().size()))) return;
    const TQZCheckResult r = TQZUpdate().CheckNewVersion();
    switch (r.outcome) {
        case TQZCheckOutcome::NoAddress: ShowInfoMessage(r.message); return;
        // The reason of a failed download follows the common answer of the command.
        case TQZCheckOutcome::Failed: ShowErrorMessage(LS(lsNoUpdate) + "\n\n" + r.message); return;
        case TQZCheckOutcome::NothingNewer: ShowInfoMessage(LS(lsNoUpdate)); return;
        case TQZCheckOutcome::NewerOffered: break;
    }
    if (r.offer.downloadPage.empty()) {
        ShowInfoMessage(r.message);
        return;
    }
    if (AskYesNo(r.message + "\n\n" + LS(lsOpenDownloadPage)) != TMsgAnswer::Yes) return;
    std::string error;
    if (!OpenInBrowser(r.offer.downloadPage, &error)) ShowErrorMessage(error);
}

void UpdateCountryFile(TMainForm& form, TCtyUpdateRequest request) {
    if (!CanUpdate(static_cast<int>(form.Editors().size()))) return;
    const TCtyUpdateResult r = TCTYUpdate(std::move(request)).Execute();
    switch (r.outcome) {
        case TCtyUpdateOutcome::Installed: ShowInfoMessage(LS(lsUpdateDone) + "\n\n" + r.message); return;
        case TCtyUpdateOutcome::NotNewer: ShowInfoMessage(LS(lsNoUpdate) + "\n\n" + r.message); return;
        case TCtyUpdateOutcome::Failed: break;
    }
    ShowErrorMessage(LS(lsNoUpdate) + "\n\n" + r.message + "\n" + LS(lsCtyUnchanged));
}

void ShowAboutBox(QWidget* parent) {
    const TVersionInfo info;
    const TNumVersion v = ProgramVersion();
    const QString version = QString("Version %1.%2 (build number %3)")
                                .arg(v.MainVersion)
                                .arg(v.SubVersion)
                                .arg(QString::fromStdString(info.FTextFileVersion));
    QString text = "<h3>" + FromCore(info.FProductName) + "</h3><p>" + FromCore(info.FFileDescription) + "</p><p>" +
                   version + "</p>";
    if (!info.FLegalCopyright.empty()) text += "<p>" + FromCore(info.FLegalCopyright).toHtmlEscaped() + "</p>";
    if (!info.FComments.empty()) text += "<p>" + FromCore(info.FComments).toHtmlEscaped() + "</p>";
    QMessageBox::about(parent, LSCaption(lsAbout).remove('&').remove("..."), text);
}

}  // namespace qz::gui
