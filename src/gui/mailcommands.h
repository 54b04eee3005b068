// The e-mail commands of the desktop program: the finalize dialog and workflow of the
// editor (compile, save read-only, export, send), the editor's send command, and the
// main window's options dialog and e-mail journal.
#pragma once

#include <QDialog>
#include <string>

#include "mail/finalize.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace qz::gui {

class TQZEditor;

class TFinalizeLogForm : public QDialog {
    Q_OBJECT
public:
    // Preset from the stored choice.
    // `format` is the export format proposed (the contest's submission format); whether
    // to export and send is the stored choice.
    explicit TFinalizeLogForm(QWidget* parent = nullptr, TOutputWindow format = owSTF);
    TFinalizeChoice Choice() const;
    // Stores the choice when closed with OK.
    void accept() override;

private:
    void CheckDependencies();
    QCheckBox* FSave;
    QCheckBox* FExport;
    QGroupBox* FFormat;
    QRadioButton* FSTF;
    QRadioButton* FCabrillo;
    QCheckBox* FSend;
};

// acFinalize of the editor.
TFinalizeResult FinalizeLog(TQZEditor& editor);

// acOutputSendEMail of the editor: sends `exportedFile`, or (when empty) asks to save
// the active output window first. True when the message was sent or handed to the
// mail client.
bool SendLogCommand(TQZEditor& editor, std::string exportedFile);

// acOptionsDataHandling and acEMailJournal of the main window.
void ShowOptionsDialog(QWidget* parent);
void ShowEMailJournal(QWidget* parent);

}  // namespace qz::gui
