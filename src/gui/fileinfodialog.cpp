#include "gui/fileinfodialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "base/datetime.h"
#include "base/text.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

// File names longer than this are shortened in the middle.
constexpr int kShownNameWidth = 480;

}  // namespace

QString FormatTimeStamp(TDateTime stamp) {
    const CivilDate d = DecodeDate(stamp);
    const CivilTime t = DecodeTime(stamp);
    return QString::asprintf("%02d.%02d.%04d %02d:%02d:%02d", d.day, d.month, d.year, t.hour, t.minute, t.second);
}

QString FormatVersion(const TNumVersion& v) {
    return QString("%1.%2.%3.%4").arg(v.MainVersion).arg(v.SubVersion).arg(v.Release).arg(v.Compilation);
}

TFileInfoForm::TFileInfoForm(const std::string& fileName, const TFileHeader& h, QWidget* parent) : QDialog(parent) {
    setWindowTitle(LSCaption(dlg::lsFileInfoHeading));
    auto* form = new QFormLayout(this);
    auto* heading = new QLabel(LSCaption(dlg::lsFileInfoHeading));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    form->addRow(heading);
    auto* name = new QLabel;
    name->setObjectName("lblFileName");
    name->setText(name->fontMetrics().elidedText(FromPath(fileName), Qt::ElideMiddle, kShownNameWidth));
    name->setToolTip(FromPath(fileName));
    form->addRow(name);
    const std::pair<QString, QString> rows[] = {
        {LSCaption(dlg::lsCall), FromCore(h.fhUser_OwnCall)},
        {LSCaption(dlg::lsContest), FromCore(Trim(ContestNames[h.fhContest_Contest]))},
        {LSCaption(dlg::lsQSOs), QString::number(h.fhContest_NoOfQSOs)},
        {LSCaption(dlg::lsCreated), FormatTimeStamp(h.fhQZ_CreatedTimeStamp)},
        {LSCaption(dlg::lsCreatedVersion), FormatVersion(h.fhQZ_CreatedVersion)},
        {LSCaption(dlg::lsModifiedDate), FormatTimeStamp(h.fhQZ_lastModifiedTimeStamp)},
        {LSCaption(dlg::lsModifiedVersion), FormatVersion(h.fhQZ_LastModifiedVersion)},
    };
    for (const auto& [label, value] : rows) form->addRow(label + ":", new QLabel(value));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    form->addRow(buttons);
}

}  // namespace qz::gui
