#include "gui/timediffdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include "gui/dialogfields.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

// Wide enough for any shift a log needs, small enough that no sum overflows.
constexpr int kMaxDays = 36600;
constexpr int kMaxHours = 24 * 400;
constexpr int kMaxMinutes = 60 * 24 * 400;

QSpinBox* NewSignedBox(const char* name, int limit) {
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(-limit, limit);
    box->setValue(0);
    return box;
}

}  // namespace

TTimeDiffForm::TTimeDiffForm(QWidget* parent)
    : QDialog(parent),
      seDays(NewSignedBox("seDays", kMaxDays)),
      seHours(NewSignedBox("seHours", kMaxHours)),
      seMinutes(NewSignedBox("seMinutes", kMaxMinutes)) {
    setWindowTitle(LSCaption(dlg::lsTimeDiffTitle));
    auto* form = new QFormLayout(this);
    form->addRow(LSCaption(dlg::lsDays), seDays);
    form->addRow(LSCaption(dlg::lsHours), seHours);
    form->addRow(LSCaption(dlg::lsMinutes), seMinutes);
    QDialogButtonBox* buttons = NewOkCancel(this);
    form->addRow(buttons);
    // A shift of nothing is no change: OK only once something is entered.
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setEnabled(false);
    for (QSpinBox* box : {seDays, seHours, seMinutes})
        connect(box, &QSpinBox::valueChanged, this,
                [this, ok] { ok->setEnabled(Days() != 0 || Hours() != 0 || Minutes() != 0); });
    seHours->setFocus();
}

int TTimeDiffForm::Days() const { return seDays->value(); }
int TTimeDiffForm::Hours() const { return seHours->value(); }
int TTimeDiffForm::Minutes() const { return seMinutes->value(); }

}  // namespace qz::gui
