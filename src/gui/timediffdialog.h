// The time difference dialog: days, hours and minutes (each may be negative) to add to
// the time of the selected lines.
#pragma once

#include <QDialog>

class QSpinBox;

namespace qz::gui {

class TTimeDiffForm : public QDialog {
    Q_OBJECT
public:
    explicit TTimeDiffForm(QWidget* parent = nullptr);
    int Days() const;
    int Hours() const;
    int Minutes() const;

private:
    QSpinBox* seDays;
    QSpinBox* seHours;
    QSpinBox* seMinutes;
};

}  // namespace qz::gui
