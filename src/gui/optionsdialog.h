// The options dialog: every setting of the settings record on its pages (import,
// export, editor, compile, the robot addresses, the IARU points of /QUIRN, e-mail,
// folders), loaded from and written to the settings file. The dialog edits its
// controls only; Options, the settings file and the robot address list change when it
// is closed with OK and every field is valid.
#pragma once

#include <QDialog>
#include <string>

#include "base/options.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace qz::gui {

class TFieldChecks;

// The settings the dialog keeps besides the settings record, with their defaults.
inline constexpr const char* kConnectTimeoutSetting = "EMail_ConnectTimeout";
inline constexpr const char* kCAFileSetting = "EMail_CAFile";
inline constexpr int kDefaultConnectTimeout = 30;
inline constexpr int kMaxConnectTimeout = 600;

// Writes `options` into the settings file, keeping every other value of it. False
// after an error box when the file could not be written.
bool SaveOptionsToSettingsFile(const TOptions& options);

class TOptionsDialog : public QDialog {
    Q_OBJECT
public:
    enum TPage { tsImport, tsExport, tsEditor, tsCompile, tsEMail, tsIARU, tsEMailSettings, tsPaths };

    // The IARU page is shown only when `showIARU` (the start-up switch /QUIRN).
    explicit TOptionsDialog(QWidget* parent = nullptr, bool showIARU = false);

    // Shows the dialog on `page` with `select` focused; Accepted when it was closed with OK.
    int ExecOnPage(TPage page, QLineEdit* select = nullptr);

    QTabWidget* Pages() const { return FPages; }
    TFieldChecks* Checks() const { return FChecks; }

    // The controls show the settings in use (Options, the robot addresses, the
    // dialog's own settings).
    void ShowSettings();

    void accept() override;

private:
    QWidget* BuildImportPage();
    QWidget* BuildExportPage();
    QWidget* BuildEditorPage();
    QWidget* BuildCompilePage();
    QWidget* BuildAddressPage();
    QWidget* BuildIARUPage();
    QWidget* BuildEMailPage();
    QWidget* BuildPathsPage();
    QCheckBox* Box(const char* name, int text);
    QLineEdit* Edit(const char* name);
    // The settings record as the controls show it.
    TOptions OptionsFromControls() const;
    // False (with the row selected) when a robot address is not valid.
    bool AddressesValid();

    QTabWidget* FPages;
    TFieldChecks* FChecks;
    QTableWidget* FAddresses = nullptr;
    QButtonGroup* FEMailType = nullptr;
    QSpinBox* FIARU[4] = {};
    bool FShowIARU;
};

}  // namespace qz::gui
