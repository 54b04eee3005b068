// The search dialog: the text to find, the fields to look in, whole field or part, and
// whether to start at the first line or after the current one.
#pragma once

#include <QDialog>
#include <array>

#include "engine/search.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace qz::gui {

class TSearchForm : public QDialog {
    Q_OBJECT
public:
    explicit TSearchForm(QWidget* parent = nullptr);

    // Presets every field from `options` (the text all selected).
    void SetSearchOptions(const TSearchOptions& options);
    // The fields as they stand (after OK: the search to run).
    TSearchOptions SearchOptions() const;

private:
    QLineEdit* leSearchFor;
    // cbDate, cbTime, cbBand, cbMode, cbCall, cbSentRST, cbRcvdRST, cbSentNumber,
    // cbRcvdNumber, cbMulties, cbPoints, cbWholeWordOnly.
    std::array<QCheckBox*, 12> FBoxes{};
    QRadioButton* FFromBegin;
    QRadioButton* FFromCursor;
};

}  // namespace qz::gui
