// The dialog of a new log: the contest and the own call.
#pragma once

#include <QDialog>
#include <string>

#include "domain/defs.h"

class QComboBox;
class QLineEdit;

namespace qz::gui {

class TNewLogDialog : public QDialog {
    Q_OBJECT
public:
    explicit TNewLogDialog(QWidget* parent = nullptr);
    TContest Contest() const;
    std::string OwnCall() const;

private:
    QComboBox* FContest;
    QLineEdit* FOwnCall;
};

}  // namespace qz::gui
