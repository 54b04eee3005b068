#include "gui/opendialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "base/language.h"
#include "base/options.h"
#include "base/text.h"
#include "gui/commands.h"
#include "gui/commandstrings.h"
#include "gui/dialogtexts.h"
#include "gui/fileinfodialog.h"
#include "gui/logsfolder.h"
#include "gui/qtext.h"
#include "import/detect.h"
#include "logfile/qzf.h"

namespace qz::gui {

namespace {

constexpr int kPreviewWidth = 260;
const QSize kDialogSize(960, 560);

QString Heading(const QString& text) { return "<b>" + text.toHtmlEscaped() + ":</b><br>"; }

QString Line(const QString& text) { return text.toHtmlEscaped() + "<br>"; }

bool IsWAEContest(TContest contest) { return contest == cWAEcw || contest == cWAEssb || contest == cWAErtty; }

// "dd.mm.yyyy (QZ Version m.s)" of a time stamp and the version that wrote it.
QString StampWithVersion(TDateTime stamp, const TNumVersion& version) {
    return FormatTimeStamp(stamp).left(10) +
           QString(" (QZ Version %1.%2)").arg(version.MainVersion).arg(version.SubVersion);
}

QString NativePreview(const TFileHeader& h) {
    QString contest = FromCore(Trim(ContestNames[h.fhContest_Contest]));
    if (h.fhContest_Year != 0) contest += " " + QString::number(h.fhContest_Year);
    QString text = Heading(LSCaption(dlg::lsContest)) + Line(contest) + "<br>";
    text += Heading(LSCaption(dlg::lsCall)) + Line(FromCore(h.fhUser_OwnCall)) + "<br>";
    text += Heading(LSCaption(cmd::lsCategory));
    text += Line("Operator = " + FromCore(CategoryOperatorNames[h.fhContest_CategoryOperator]));
    text += Line("Transmitter = " + FromCore(CategoryTransmitterNames[h.fhContest_CategoryTransmitter]));
    text += Line("Assisted = " + FromCore(CategoryAssistedNames[h.fhContest_CategoryAssisted]));
    text += Line("Power = " + FromCore(CategoryPowerNames[h.fhContest_CategoryPower])) + "<br>";
    const QString qsos = LSCaption(dlg::lsQSOs) + (IsWAEContest(h.fhContest_Contest) ? "/QTCs" : "");
    text += Heading(qsos) + Line(QString::number(h.fhContest_NoOfQSOs)) + "<br>";
    text += Heading(LSCaption(dlg::lsCreated)) + Line(StampWithVersion(h.fhQZ_CreatedTimeStamp, h.fhQZ_CreatedVersion));
    text += "<br>" + Heading(LSCaption(dlg::lsModifiedDate)) +
            Line(StampWithVersion(h.fhQZ_lastModifiedTimeStamp, h.fhQZ_LastModifiedVersion));
    return text;
}

}  // namespace

QString LogPreviewText(const std::string& fileName) {
    const QFileInfo info(FromPath(fileName));
    if (fileName.empty() || !info.isFile()) return {};
    // What cannot be read is named with the reason, in small letters below.
    auto failed = [&info](const std::string& reason) {
        return LSCaption(ui::lsCannotOpenLog).toHtmlEscaped() + " " + info.fileName().toHtmlEscaped() + "<br><small>" +
               FromCore(reason).toHtmlEscaped() + "</small>";
    };
    if (NativeFileTypeOfFile(fileName) == ftQZ4) {
        TQZF qzf;
        TFileHeader header;
        return qzf.ReadPreviewInformation(fileName, header) ? NativePreview(header) : failed(qzf.LastError());
    }
    std::string unreadable;
    const TFileType type = DetectFileType(fileName, &unreadable);
    if (!unreadable.empty()) return failed(unreadable);
    const QString format =
        type == ftUnknown ? LSCaption(cmd::lsUnknownFormat) : FromCore(std::string(FileTypeDescription(type)));
    return Heading(LSCaption(cmd::lsFormat)) + Line(format);
}

TOpenLogDialog::TOpenLogDialog(QWidget* parent) : QFileDialog(parent), FPreview(new QLabel) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFiles);
    setAcceptMode(QFileDialog::AcceptOpen);
    setDefaultSuffix("qzf");
    setNameFilter(DialogFilter(ui::lsNativeLogFilter) + ";;" + DialogFilter(cmd::lsForeignLogFilter));
    setDirectory(LogsFolder());
    resize(kDialogSize);
    FPreview->setObjectName("preview");
    FPreview->setTextFormat(Qt::RichText);
    FPreview->setWordWrap(false);
    FPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FPreview->setMinimumWidth(kPreviewWidth);
    FPreview->setMargin(6);
    FPreview->setAutoFillBackground(true);
    QPalette palette = FPreview->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE0));  // light yellow, as the grid's odd rows
    palette.setColor(QPalette::WindowText, Qt::black);
    FPreview->setPalette(palette);
    FPreview->setFrameShape(QFrame::StyledPanel);
    FPreview->setToolTip(LSCaption(cmd::lsPreview));
    // The non-native dialog lays its widgets out in a grid; the preview takes a column
    // of its own on the right over the folder view's rows.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) grid->addWidget(FPreview, 1, grid->columnCount(), 3, 1);
    connect(this, &QFileDialog::currentChanged, this, &TOpenLogDialog::ShowPreview);
    // A name typed or selected (selectFile) shows in the name field without a change of
    // the current file; one name is previewed as well.
    if (auto* name = findChild<QLineEdit*>("fileNameEdit"))
        connect(name, &QLineEdit::textChanged, this, [this] {
            const QStringList files = selectedFiles();
            if (files.size() == 1) ShowPreview(files.front());
        });
}

void TOpenLogDialog::ShowPreview(const QString& path) { FPreview->setText(LogPreviewText(ToPath(path))); }

}  // namespace qz::gui
