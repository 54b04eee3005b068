#include "gui/sentqtcsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "base/datetime.h"
#include "base/text.h"
#include "gui/dialogfields.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

// The day of a stored date and back.
QDate ToQDate(TDateTime date) {
    const CivilDate d = DecodeDate(date);
    return QDate(d.year, d.month, d.day);
}

TDateTime FromQDate(const QDate& date) { return EncodeDate(date.year(), date.month(), date.day()); }

}  // namespace

TSentQTCsForm::TSentQTCsForm(const TSentQTCGroup& proposed, const std::vector<TBand>& bands, QWidget* parent)
    : QDialog(parent),
      FBands(bands),
      leCall(new QLineEdit),
      dtpDate(new QDateEdit),
      cbBand(new QComboBox),
      leTime(new QLineEdit),
      leSerialNumber(new QLineEdit) {
    setWindowTitle(LSCaption(dlg::lsSentQTCsTitle));
    leCall->setObjectName("leCall");
    dtpDate->setObjectName("dtpDate");
    cbBand->setObjectName("cbBand");
    leTime->setObjectName("leTime");
    leSerialNumber->setObjectName("leSerialNumber");
    leCall->setMaxLength(26);
    dtpDate->setDisplayFormat("dd.MM.yyyy");
    dtpDate->setDateRange(QDate(1900, 1, 1), QDate(2099, 12, 31));
    dtpDate->setCalendarPopup(true);
    // A time of day as it is typed: hour tens 0 to 2, hour units up to 3 after a 2,
    // minute tens 0 to 5.
    leTime->setValidator(
        new QRegularExpressionValidator(QRegularExpression("^(([01][0-9]?|2[0-3]?)([0-5][0-9]?)?)?$"), leTime));
    leTime->setMaxLength(4);
    leSerialNumber->setValidator(new QRegularExpressionValidator(QRegularExpression("^[0-9/]*$"), leSerialNumber));
    leSerialNumber->setMaxLength(15);
    for (TBand b : FBands) cbBand->addItem(FromCore(Trim(BandNames[b])));

    leCall->setText(FromCore(proposed.call));
    dtpDate->setDate(proposed.date > 0 ? ToQDate(proposed.date) : QDate::currentDate());
    const auto band = std::find(FBands.begin(), FBands.end(), proposed.band);
    cbBand->setCurrentIndex(band != FBands.end() ? static_cast<int>(band - FBands.begin()) : 0);
    leTime->setText(FromCore(proposed.time));
    leSerialNumber->setText(FromCore(proposed.serial));

    auto* form = new QFormLayout(this);
    FCallError = AddCheckedRow(form, LSCaption(dlg::lsCall), leCall);
    form->addRow(LSCaption(dlg::lsDate), dtpDate);
    form->addRow(LSCaption(dlg::lsBand), cbBand);
    FTimeError = AddCheckedRow(form, LSCaption(dlg::lsTime), leTime);
    FSerialError = AddCheckedRow(form, LSCaption(dlg::lsQTCSerial), leSerialNumber);
    form->addRow(NewOkCancel(this));
    RestrictToCp1252(this);
}

TSentQTCGroup TSentQTCsForm::Group() const {
    TSentQTCGroup g;
    g.call = ToCore(leCall->text().trimmed().toUpper());
    g.date = FromQDate(dtpDate->date());
    g.band = cbBand->currentIndex() >= 0 ? FBands[static_cast<std::size_t>(cbBand->currentIndex())] : b160m;
    g.time = ToCore(leTime->text());
    g.serial = ToCore(leSerialNumber->text());
    return g;
}

void TSentQTCsForm::accept() {
    HideFieldErrors(this);
    const TSentQTCGroup g = Group();
    if (!IsCallText(leCall->text())) return ShowFieldError(FCallError, leCall, LSCaption(dlg::lsNotACall));
    if (!ValidQTCTime(g.time)) return ShowFieldError(FTimeError, leTime, LSCaption(dlg::lsBadTime));
    if (!ValidQTCSerial(g.serial)) return ShowFieldError(FSerialError, leSerialNumber, LSCaption(dlg::lsBadSerial));
    if (FBands.empty()) return;
    QDialog::accept();
}

}  // namespace qz::gui
