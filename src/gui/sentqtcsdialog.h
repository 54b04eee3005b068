// The sent QTC dialog: the station the QTCs go to, date, band, time and the serial
// (group/count) shared by the QTC lines made from the selected QSOs.
#pragma once

#include <QDialog>
#include <QStringList>

#include "engine/sentqtcs.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace qz::gui {

class TSentQTCsForm : public QDialog {
    Q_OBJECT
public:
    // `bands`: the log's allowed bands, offered in the band list.
    TSentQTCsForm(const TSentQTCGroup& proposed, const std::vector<TBand>& bands, QWidget* parent = nullptr);
    // The fields (after OK: checked).
    TSentQTCGroup Group() const;

protected:
    void accept() override;

private:
    std::vector<TBand> FBands;
    QLineEdit* leCall;
    QDateEdit* dtpDate;
    QComboBox* cbBand;
    QLineEdit* leTime;
    QLineEdit* leSerialNumber;
    QLabel* FCallError;
    QLabel* FTimeError;
    QLabel* FSerialError;
};

}  // namespace qz::gui
