#include "gui/sentnumberdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialogfields.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

// Sent numbers are short: a serial, a zone, a district or a member number.
constexpr int kMaxSentNumber = 20;
constexpr int kMaxStartNumber = 999999;

}  // namespace

TSetSentNumberForm::TSetSentNumberForm(const QStringList& columns, bool qtcsSelected, QWidget* parent)
    : QDialog(parent),
      lbSentNumberList(new QListWidget),
      edSentNumber(new QLineEdit),
      rbFixValue(new QRadioButton(LSCaption(dlg::lsFixValue))),
      rbContinuouslyNumber(new QRadioButton(LSCaption(dlg::lsContinuously))),
      cbIncludeQTCs(new QCheckBox(LSCaption(dlg::lsIncludeQTCs))),
      FError(NewErrorLabel()) {
    setWindowTitle(LSCaption(dlg::lsSentNumbers));
    lbSentNumberList->setObjectName("lbSentNumberList");
    edSentNumber->setObjectName("edSentNumber");
    rbFixValue->setObjectName("rbFixValue");
    rbContinuouslyNumber->setObjectName("rbContinuouslyNumber");
    cbIncludeQTCs->setObjectName("cbIncludeQTCs");
    lbSentNumberList->addItems(columns);
    lbSentNumberList->setCurrentRow(0);
    lbSentNumberList->setMaximumHeight(lbSentNumberList->sizeHintForRow(0) * 4 + 8);
    edSentNumber->setMaxLength(kMaxSentNumber);
    rbContinuouslyNumber->setChecked(true);
    cbIncludeQTCs->setVisible(qtcsSelected);
    connect(rbContinuouslyNumber, &QRadioButton::toggled, cbIncludeQTCs, &QWidget::setEnabled);

    auto* form = new QFormLayout(this);
    form->addRow(LSCaption(dlg::lsColumn), lbSentNumberList);
    form->addRow(LSCaption(dlg::lsStartNumber), edSentNumber);
    form->addRow(QString(), FError);
    form->addRow(rbContinuouslyNumber);
    form->addRow(rbFixValue);
    form->addRow(cbIncludeQTCs);
    form->addRow(NewOkCancel(this));
    edSentNumber->setFocus();
    RestrictToCp1252(this);
}

TSetSentNumberMode TSetSentNumberForm::Mode() const {
    return rbFixValue->isChecked() ? smSetFixNumber : smSetContiuouslyNumber;
}

std::string TSetSentNumberForm::StartNumber() const { return ToCore(edSentNumber->text().trimmed()); }

int TSetSentNumberForm::NumberIndex() const { return std::max(0, lbSentNumberList->currentRow()); }

bool TSetSentNumberForm::IncludeQTCs() const {
    return !cbIncludeQTCs->isHidden() && cbIncludeQTCs->isEnabled() && cbIncludeQTCs->isChecked();
}

void TSetSentNumberForm::accept() {
    HideFieldErrors(this);
    const QString text = edSentNumber->text().trimmed();
    if (text.isEmpty()) return ShowFieldError(FError, edSentNumber, LSCaption(dlg::lsEmptyValue));
    if (Mode() == smSetContiuouslyNumber) {
        bool ok = false;
        const int n = text.toInt(&ok);
        if (!ok || n < 0 || n > kMaxStartNumber)
            return ShowFieldError(FError, edSentNumber, LSCaption(dlg::lsNotANumber));
    }
    QDialog::accept();
}

}  // namespace qz::gui
