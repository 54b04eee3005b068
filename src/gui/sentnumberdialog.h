// The sent number dialog: which sent-number column, the start number or fixed value,
// fixed value or continuous numbering, and whether selected QTC lines use up numbers.
#pragma once

#include <QDialog>
#include <QStringList>
#include <string>

#include "domain/defs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace qz::gui {

class TSetSentNumberForm : public QDialog {
    Q_OBJECT
public:
    // `columns`: the titles of the sent-number columns (the first is chosen);
    // `qtcsSelected`: whether the box for counting QTC lines is shown.
    TSetSentNumberForm(const QStringList& columns, bool qtcsSelected, QWidget* parent = nullptr);

    TSetSentNumberMode Mode() const;
    std::string StartNumber() const;
    int NumberIndex() const;
    // False while the box is disabled (fixed value) or hidden.
    bool IncludeQTCs() const;

protected:
    void accept() override;

private:
    QListWidget* lbSentNumberList;
    QLineEdit* edSentNumber;
    QRadioButton* rbFixValue;
    QRadioButton* rbContinuouslyNumber;
    QCheckBox* cbIncludeQTCs;
    QLabel* FError;
};

}  // namespace qz::gui
