#include "gui/qsorangedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "gui/dialogfields.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

TSetQSORangeForm::TSetQSORangeForm(TQSOSelect select, int lines, const QStringList& bands, const QStringList& modes,
                                   QWidget* parent)
    : QDialog(parent),
      cbSetQSORange(new QCheckBox(LSCaption(dlg::lsLines))),
      seFrom(new QSpinBox),
      seTo(new QSpinBox),
      cbAll(new QCheckBox(LSCaption(dlg::lsAllLines))),
      cbSelectBand(new QCheckBox(LSCaption(dlg::lsBand))),
      cbBand(new QComboBox),
      cbSelectMode(new QCheckBox(LSCaption(dlg::lsMode))),
      cbMode(new QComboBox) {
    setWindowTitle(LSCaption(select == qsSelect ? dlg::lsSelectRangeTitle : dlg::lsUnselectRangeTitle));
    cbSetQSORange->setObjectName("cbSetQSORange");
    seFrom->setObjectName("seFrom");
    seTo->setObjectName("seTo");
    cbAll->setObjectName("cbAll");
    cbSelectBand->setObjectName("cbSelectBand");
    cbBand->setObjectName("cbBand");
    cbSelectMode->setObjectName("cbSelectMode");
    cbMode->setObjectName("cbMode");
    for (QSpinBox* box : {seFrom, seTo}) {
        box->setRange(1, std::max(1, lines));
        box->setValue(1);
    }
    seTo->setValue(std::max(1, lines));
    cbBand->addItems(bands);
    cbMode->addItems(modes);

    // Each group shows its fields only while its box is ticked.
    auto* rangeFields = new QWidget;
    auto* rangeRow = new QHBoxLayout(rangeFields);
    rangeRow->setContentsMargins(0, 0, 0, 0);
    rangeRow->addWidget(seFrom);
    rangeRow->addWidget(new QLabel(LSCaption(dlg::lsTo)));
    rangeRow->addWidget(seTo);
    rangeRow->addWidget(cbAll);
    connect(cbAll, &QCheckBox::toggled, this, [this](bool all) {
        seFrom->setEnabled(!all);
        seTo->setEnabled(!all);
    });
    auto* grid = new QGridLayout(this);
    grid->addWidget(cbSetQSORange, 0, 0);
    grid->addWidget(rangeFields, 0, 1);
    grid->addWidget(cbSelectBand, 1, 0);
    grid->addWidget(cbBand, 1, 1);
    grid->addWidget(cbSelectMode, 2, 0);
    grid->addWidget(cbMode, 2, 1);
    QDialogButtonBox* buttons = NewOkCancel(this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    const std::pair<QCheckBox*, QWidget*> groups[] = {
        {cbSetQSORange, rangeFields}, {cbSelectBand, cbBand}, {cbSelectMode, cbMode}};
    for (const auto& [box, fields] : groups) {
        connect(box, &QCheckBox::toggled, fields, &QWidget::setVisible);
        fields->setVisible(false);
    }
    cbSetQSORange->setChecked(true);
}

TQSORange TSetQSORangeForm::Range() const {
    TQSORange r;
    r.byRange = cbSetQSORange->isChecked();
    r.allLines = cbAll->isChecked();
    r.from = seFrom->value();
    r.to = seTo->value();
    r.byBand = cbSelectBand->isChecked() && cbBand->currentIndex() >= 0;
    r.band = ToCore(cbBand->currentText());
    r.byMode = cbSelectMode->isChecked() && cbMode->currentIndex() >= 0;
    r.mode = ToCore(cbMode->currentText());
    return r;
}

}  // namespace qz::gui
