// The range dialog: select or unselect lines by their numbers (or all), by band and by
// mode; each part counts only while its box is ticked.
#pragma once

#include <QDialog>
#include <QStringList>

#include "domain/defs.h"
#include "engine/search.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QWidget;

namespace qz::gui {

class TSetQSORangeForm : public QDialog {
    Q_OBJECT
public:
    // `lines`: the number of lines (the limits of From and To); `bands`, `modes`: the
    // names of the log's allowed bands and modes.
    TSetQSORangeForm(TQSOSelect select, int lines, const QStringList& bands, const QStringList& modes,
                     QWidget* parent = nullptr);
    TQSORange Range() const;

private:
    QCheckBox* cbSetQSORange;
    QSpinBox* seFrom;
    QSpinBox* seTo;
    QCheckBox* cbAll;
    QCheckBox* cbSelectBand;
    QComboBox* cbBand;
    QCheckBox* cbSelectMode;
    QComboBox* cbMode;
};

}  // namespace qz::gui
