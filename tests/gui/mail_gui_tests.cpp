// The options dialog and the e-mail windows driven through the real windows on the
// offscreen platform: every option stored through the dialog and read back from the
// settings file, bad input refused, a hand-edited settings file, a compile setting
// named in the result, and a log finalized from the editor to a real SMTP server.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>

#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "base/settingsstore.h"
#include "contests/iaru.h"
#include "engine/contestlog.h"
#include "gui/commandline.h"
#include "gui/editor.h"
#include "gui/guitest.h"
#include "gui/gridfont.h"
#include "gui/journalwindow.h"
#include "gui/maildialogs.h"
#include "gui/mailcommands.h"
#include "gui/mainwindow.h"
#include "gui/optionsdialog.h"
#include "gui/qtext.h"
#include "logfile/qzf.h"
#include "mail/journal.h"
#include "mail/mailtest.h"
#include "mail/robotaddresses.h"
#include "mail/smtpserver.h"
#include "testutil.h"

using namespace qz;
using namespace qz::gui;
using namespace qz::test;

namespace {

// While it lives, hands every modal window that comes to the front to `handle`, with
// the number of times that window was handed over before. Message boxes are answered
// with `boxButton` and their texts kept.
class TModalDriver : public QObject {
public:
    using THandler = std::function<void(QWidget*, int visit)>;
    explicit TModalDriver(THandler handle, QMessageBox::StandardButton boxButton = QMessageBox::Ok)
        : FHandle(std::move(handle)), FBoxButton(boxButton) {
        auto* timer = new QTimer(this);
        // The window is handled from a timer of its own: a click that opens a further
        // modal window runs that window's loop inside the handler, and a timer is never
        // delivered again while its own slot still runs.
        connect(timer, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w == nullptr || !w->isVisible() || FPending) return;
            FPending = true;
            QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(w)] {
                FPending = false;
                if (!window.isNull() && window->isVisible()) Handle(window.data());
            });
        });
        timer->start(20);
    }
    QStringList boxTexts;

private:
    void Handle(QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxTexts << box->text();
            QAbstractButton* b = box->button(FBoxButton);
            if (b == nullptr) b = box->button(QMessageBox::Ok);
            if (b != nullptr) b->click();
            else box->reject();
            return;
        }
        if (FHandle) FHandle(w, FVisits[w]++);
    }

    bool FPending = false;
    THandler FHandle;
    QMessageBox::StandardButton FBoxButton;
    std::map<QWidget*, int> FVisits;
};

void Click(QWidget* parent, const char* name) {
    auto* b = parent->findChild<QAbstractButton*>(name);
    QVERIFY2(b != nullptr, name);
    b->click();
}

void ClickOk(QDialog* dialog) { dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

QLineEdit* Field(QWidget* parent, const char* name) { return parent->findChild<QLineEdit*>(name); }

// The e-mail options for the local test server, with `password` and the message folder
// `mails`.
void UseServer(const test::SmtpServer& server, const std::string& password, const std::string& mails) {
    Options.EMail_SMTPHost.oValue = "127.0.0.1";
    Options.EMail_SMTPPort.oValue = server.Port();
    Options.EMail_UserName.oValue = "dl1abc";
    Options.EMail_Password.oValue = password;
    Options.EMail_Sender.oValue = "dl1abc@example.org";
    Options.Path_EMails.oValue = mails;
}

// The settings-file values that make the program trust the test server's certificate.
bool TrustServer() {
    return WriteSettingString(kCAFileSetting, test::SmtpServer::CertificateFile()) &&
           WriteSettingInteger(kConnectTimeoutSetting, 10);
}

}  // namespace

class TMailGuiTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    std::string FNative;

    std::string Path(const char* name) const { return (FDir.path() + "/" + name).toStdString(); }

private slots:
    void initTestCase();
    void everyOptionStoredThroughTheDialog();
    void badInputIsRefusedAndCancelKeepsTheOptions();
    void nonsenseSettingsFileGivesDefaults();
    void compileSettingIsNamedInTheResult();
    void finalizeSendsTheCabrilloFileAndTheJournalListsIt();
    void failedSendIsNotRecorded();
    void gridFontIsStoredAndApplied();
    void outputFontIsStoredAndApplied();
    void screenshotsOfEveryWindow();
};

void TMailGuiTest::initTestCase() {
    QVERIFY(PrepareTestFolders(FDir));
    qputenv("XDG_DOCUMENTS_DIR", (FDir.path() + "/documents").toUtf8());
    FNative = Path("cqww.QZF");
    QVERIFY(SaveSampleAsNative(FNative));
}

void TMailGuiTest::everyOptionStoredThroughTheDialog() {
    auto window = StartMainWindow({});
    TOptionsDialog dialog(window.get(), true);
    dialog.show();
    // Every Boolean the other way round than its default.
    int boxes = 0;
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        box->setChecked(!box->isChecked());
        ++boxes;
    }
    QCOMPARE(boxes, 15);
    const std::string folders = Path("folders");
    const std::map<const char*, QString> texts = {
        {"leSMTPHost", "smtp.example.org"},
        {"ceSMTPPort", "587"},
        {"leUserName", "dl1abc"},
        {"lePassword", QString::fromUtf8("s\xc3\xa4"
                                         "cret pass")},
        {"leSender", "DL1ABC <dl1abc@example.org>"},
        {"leConnectTimeout", "45"},
        {"leCAFile", QZ_SOURCE_DIR "/README.md"},
        {"leQZFiles", FromPath(folders + "/logs")},
        {"leExportedFiles", FromPath(folders + "/export")},
        {"leEMails", FromPath(folders + "/mails")},
    };
    for (const auto& [name, text] : texts) Field(&dialog, name)->setText(text);
    dialog.findChild<QRadioButton*>("rbEMailType1")->setChecked(true);
    auto* addresses = dialog.findChild<QTableWidget*>("vleEMailAddresses");
    QCOMPARE(addresses->rowCount(), kNoOfRobotAddresses);
    addresses->item(cWWDXcw - 1, 1)->setText("cqww@example.net");
    dialog.findChild<QSpinBox*>("sePtsHQ")->setValue(7);
    ClickOk(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // A fresh settings record from the file holds every value.
    TOptions r;
    std::vector<std::string> notes;
    LoadOptions(r, TSettingsStore::Load(), &notes);
    QVERIFY(notes.empty());
    const TOptions d;
    for (const TBoolOption TOptions::*b :
         {&TOptions::Import_STF_ShowAllocationDialog, &TOptions::Import_IgnoreDefaultPaths,
          &TOptions::Import_SaveAsCallsign, &TOptions::Import_ASCII_AcceptLettersAndFigsOnly,
          &TOptions::Import_BIN_Look4QTCFile, &TOptions::Export_ADIF_ShowConfigDialog, &TOptions::Export_STF_OutputCty,
          &TOptions::Export_STF_AddComments, &TOptions::Editor_ColumnAutoWidth, &TOptions::Compile_SortLog,
          &TOptions::Compile_RemoveEmptyQSOs, &TOptions::Compile_CancelQSOIfBandIsNotAllowed,
          &TOptions::Compile_CancelQSOIfModeIsNotAllowed, &TOptions::EMail_SendACopyToMe}) {
        QCOMPARE((r.*b).oValue, !(d.*b).oDefaultValue);
        QCOMPARE((Options.*b).oValue, (r.*b).oValue);
    }
    QCOMPARE(r.EMail_SMTPHost.oValue, std::string("smtp.example.org"));
    QCOMPARE(r.EMail_SMTPPort.oValue, 587);
    QCOMPARE(r.EMail_UserName.oValue, std::string("dl1abc"));
    QCOMPARE(r.EMail_Password.oValue, std::string("s\xe4"
                                                  "cret pass"));  // Windows-1252
    QCOMPARE(r.EMail_Sender.oValue, std::string("DL1ABC <dl1abc@example.org>"));
    QCOMPARE(r.EMail_Type.oValue, 1);
    QCOMPARE(r.Path_QZ_Logs.oValue, folders + "/logs");
    QCOMPARE(r.Path_Exported_Logs.oValue, folders + "/export");
    QCOMPARE(r.Path_EMails.oValue, folders + "/mails");
    QVERIFY(QDir(FromPath(folders + "/mails")).exists());  // made on OK
    QCOMPARE(ReadSettingInteger(kConnectTimeoutSetting, 0), 45);
    QCOMPARE(ReadSettingString(kCAFileSetting, ""), std::string(QZ_SOURCE_DIR "/README.md"));
    QCOMPARE(IARUOptionPoints().HQ, 7);
    SetIARUOptionPoints({});

    // The password never stands in the file, which only its owner can read.
    const std::string file = test::ReadFile(SettingsFilePath());
    QVERIFY(file.find("cret pass") == std::string::npos);
    struct stat st {};
    QCOMPARE(::stat(SettingsFilePath().c_str(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0600);

    // The robot address reached the address list file.
    EMailAddresses = {};
    TEMailAddressList list;
    QVERIFY(list.LoadFromFile());
    QCOMPARE(EMailAddresses[cWWDXcw], std::string("cqww@example.net"));

    // A dialog opened again shows what was stored.
    TOptionsDialog again(window.get());
    QCOMPARE(Field(&again, "ceSMTPPort")->text(), QString("587"));
    QCOMPARE(Field(&again, "lePassword")->text(), texts.at("lePassword"));
    QVERIFY(!again.Pages()->isTabVisible(TOptionsDialog::tsIARU));  // only with /QUIRN

    Options = TOptions();
    QVERIFY(SaveOptionsToSettingsFile(Options));
}

void TMailGuiTest::badInputIsRefusedAndCancelKeepsTheOptions() {
    auto window = StartMainWindow({});
    const TOptions before = Options;
    TModalDriver driver(nullptr);
    TOptionsDialog dialog(window.get());
    dialog.show();
    dialog.Pages()->setCurrentIndex(TOptionsDialog::tsImport);
    // Each wrong value is refused with what is wrong under the field; OK then shows
    // its page and leaves the options and the file as they were.
    const std::pair<const char*, const char*> bad[] = {
        {"ceSMTPPort", "70000"},         {"ceSMTPPort", ""},
        {"leConnectTimeout", "0"},       {"leSender", "dl1abc.example.org"},
        {"leSMTPHost", "smtp example"},  {"leCAFile", "/no/such/file.pem"},
        {"leEMails", "relative/folder"}, {"leQZFiles", QZ_SOURCE_DIR "/README.md"}};
    for (const auto& [name, text] : bad) {
        QLineEdit* field = Field(&dialog, name);
        const QString good = field->text();
        field->setText(text);
        auto* message = dialog.findChild<QLabel*>(QString(name) + "Message");
        QVERIFY2(!message->isHidden() && !message->text().isEmpty(), name);
        ClickOk(&dialog);
        QVERIFY2(dialog.isVisible(), name);
        QVERIFY2(dialog.Pages()->currentWidget()->isAncestorOf(field), name);
        field->setText(good);
    }
    QVERIFY(Field(&dialog, "ceSMTPPort")->text() != "70000");
    QCOMPARE(driver.boxTexts.size(), int(std::size(bad)));
    QVERIFY(driver.boxTexts[0].contains("1 to 65535"));
    // The port field takes digits only.
    QTest::keyClicks(Field(&dialog, "ceSMTPPort"), "x2");
    QVERIFY(!Field(&dialog, "ceSMTPPort")->text().contains('x'));
    // A robot address without "@" is refused with its contest named.
    auto* addresses = dialog.findChild<QTableWidget*>("vleEMailAddresses");
    addresses->item(cWPXcw - 1, 1)->setText("robot.example.net");
    ClickOk(&dialog);
    QVERIFY(dialog.isVisible());
    QVERIFY(driver.boxTexts.last().contains("WPX"));
    QCOMPARE(dialog.Pages()->currentIndex(), int(TOptionsDialog::tsEMail));

    // Cancel after edits changes nothing.
    Field(&dialog, "leSMTPHost")->setText("other.example.org");
    dialog.reject();
    QCOMPARE(Options.EMail_SMTPHost.oValue, before.EMail_SMTPHost.oValue);
    QCOMPARE(EMailAddresses[cWPXcw], std::string());
    TOptions stored;
    LoadOptions(stored, TSettingsStore::Load());
    QCOMPARE(stored.EMail_SMTPPort.oValue, before.EMail_SMTPPort.oValue);
}

void TMailGuiTest::nonsenseSettingsFileGivesDefaults() {
    test::WriteFile(SettingsFilePath(),
                    "[QZ]\nLanguage=0\nEMail_SMTPPort=abc\nCompile_SortLog=maybe\nEMail_Type=9\n"
                    "BlahBlah_BlubbBlubb=not-scrambled\nEMail_Sender=dl1abc@example.org\n");
    std::stringstream err;
    std::streambuf* old = std::cerr.rdbuf(err.rdbuf());
    auto window = StartMainWindow({});
    std::cerr.rdbuf(old);
    QVERIFY(window != nullptr);
    QCOMPARE(Options.EMail_SMTPPort.oValue, 25);
    QVERIFY(Options.Compile_SortLog.oValue);
    QCOMPARE(Options.EMail_Type.oValue, 0);
    QCOMPARE(Options.EMail_Password.oValue, std::string());
    QCOMPARE(Options.EMail_Sender.oValue, std::string("dl1abc@example.org"));  // good values stay
    const QString notes = QString::fromStdString(err.str());
    for (const char* named : {"EMail_SMTPPort=abc", "Compile_SortLog=maybe", "EMail_Type=9", "decoding failed"})
        QVERIFY2(notes.contains(named), qPrintable(notes));
    TOptionsDialog dialog(window.get());
    QCOMPARE(Field(&dialog, "ceSMTPPort")->text(), QString("25"));
    QVERIFY(dialog.findChild<QCheckBox*>("cbSortLog")->isChecked());
    Options = TOptions();
    QVERIFY(SaveOptionsToSettingsFile(Options));
}

void TMailGuiTest::compileSettingIsNamedInTheResult() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    editor->SetOutputWindowChecked(owResult, true);
    QVERIFY(!editor->OutputMemo(owResult)->toPlainText().contains("Compile settings"));
    {
        TOptionsDialog dialog(window.get());
        dialog.show();
        dialog.findChild<QCheckBox*>("cbDelIfInvalidBand")->setChecked(false);
        ClickOk(&dialog);
    }
    editor->Compile();
    QVERIFY(editor->OutputMemo(owResult)->toPlainText().contains(
        "Compile settings: Compile_CancelQSOIfBandIsNotAllowed=off"));
    QVERIFY(!editor->ContestLog()->CompileSettings().CancelQSOIfBandIsNotAllowed);
    Options = TOptions();
    QVERIFY(SaveOptionsToSettingsFile(Options));
}

void TMailGuiTest::finalizeSendsTheCabrilloFileAndTheJournalListsIt() {
    if (!test::SmtpServerAvailable()) QSKIP("python3-aiosmtpd or openssl is not installed");
    test::SmtpServer server({test::SmtpServer::Options::Tls::StartTls, "dl1abc:secret"});
    QVERIFY2(server.Port() != 0, server.Error().c_str());
    Options = TOptions();
    UseServer(server, "secret", Path("mails"));
    Options.Path_Exported_Logs.oValue = Path("export");
    QDir().mkpath(FromPath(Path("export")));
    QVERIFY(SaveOptionsToSettingsFile(Options));
    QVERIFY(TrustServer());

    const std::string logFile = Path("finalize.QZF");
    std::filesystem::copy_file(FNative, logFile, std::filesystem::copy_options::overwrite_existing);
    auto window = StartMainWindow({logFile});
    QVERIFY(SaveOptionsToSettingsFile(Options));  // Startup read the file; same values
    TQZEditor* editor = window->ActiveEditor();
    EMailAddresses[editor->ContestLog()->Contest()] = "cqww@example.net";
    const std::string call = editor->ContestLog()->FileHeader().fhUser_OwnCall;

    QString exported, sendTo;
    auto driver = std::make_unique<TModalDriver>([&](QWidget* w, int visit) {
        if (auto* form = qobject_cast<TFinalizeLogForm*>(w)) {
            QVERIFY(!form->findChild<QCheckBox*>("cbSave")->isEnabled());
            // A contest with a Cabrillo name is proposed for Cabrillo.
            QVERIFY(form->findChild<QRadioButton*>("rbCabrillo")->isChecked());
            form->findChild<QCheckBox*>("cbSendEMail")->setChecked(true);
            ClickOk(form);
        } else if (auto* files = qobject_cast<QFileDialog*>(w)) {
            exported = files->selectedFiles().value(0);
            static_cast<QDialog*>(files)->accept();
        } else if (auto* send = qobject_cast<TSendEMailForm*>(w); send != nullptr && visit == 0) {
            sendTo = send->Recipient()->text();
            Click(send, "bbOK");
        }
    });
    editor->Command("acFinalize")->trigger();

    // Delivered: the exported file, byte for byte, to the robot address.
    QCOMPARE(sendTo, QString("cqww@example.net"));
    QVERIFY(exported.endsWith(".cbr", Qt::CaseInsensitive) || exported.endsWith(".log", Qt::CaseInsensitive));
    const std::vector<std::string> messages = server.Messages();
    QCOMPARE(messages.size(), std::size_t(1));
    const std::vector<test::MimePart> parts = test::MimeParts(messages[0]);
    QCOMPARE(parts.size(), std::size_t(2));
    QCOMPARE(test::DecodeBase64(parts[1].content), test::ReadFile(ToPath(exported)));
    QVERIFY(test::ReadFile(ToPath(exported)).rfind("START-OF-LOG:", 0) == 0);
    QVERIFY(!driver->boxTexts.isEmpty());
    QVERIFY(driver->boxTexts.last().contains(LSText(lsMailSent)));
    driver.reset();

    // The log is saved read-only and shown so.
    QVERIFY(editor->ReadOnlyMode());
    QVERIFY(!editor->Modified());
    TQZF qzf;
    QVERIFY(qzf.ReadLog(logFile)->FileHeader().fhQZ_ReadOnly);

    // The journal lists the message; a double click shows it read-only.
    QStringList row;
    bool viewReadOnly = false;
    TModalDriver journalDriver([&](QWidget* w, int visit) {
        if (auto* journal = qobject_cast<TEMailJournalForm*>(w); journal != nullptr && visit == 0) {
            for (int c = 0; c < journal->Grid()->columnCount(); ++c)
                row << (journal->Grid()->item(0, c) ? journal->Grid()->item(0, c)->text() : QString());
            journal->ShowMessage(0);
            journal->reject();
        } else if (auto* view = qobject_cast<TSendEMailForm*>(w)) {
            viewReadOnly = view->ReadOnlyMode() && view->Recipient()->isReadOnly() &&
                           view->Recipient()->text() == "cqww@example.net" &&
                           view->findChild<QAbstractButton*>("bbOK") == nullptr;
            view->reject();
        }
    });
    window->Command("acEMailJournal")->trigger();
    QCOMPARE(row.size(), 4);
    QVERIFY(row[0].endsWith(".qz_email"));
    QCOMPARE(row[2], FromCore(call));
    QVERIFY(viewReadOnly);
    QCOMPARE(ReadJournal(Options.Path_EMails.oValue).size(), std::size_t(1));
}

void TMailGuiTest::failedSendIsNotRecorded() {
    if (!test::SmtpServerAvailable()) QSKIP("python3-aiosmtpd or openssl is not installed");
    test::SmtpServer server({test::SmtpServer::Options::Tls::StartTls, "dl1abc:secret"});
    QVERIFY2(server.Port() != 0, server.Error().c_str());
    auto window = StartMainWindow({FNative});
    UseServer(server, "", Path("failed-mails"));
    QVERIFY(TrustServer());
    const std::string attachment = Path("failed.cbr");
    test::WriteFile(attachment, "START-OF-LOG: 3.0\r\nEND-OF-LOG:\r\n");

    // Only the password is missing: the login dialog opens with the stored user name;
    // the wrong password it gets is not saved, and the server refuses it.
    QString prefilled;
    TModalDriver driver([&](QWidget* w, int) {
        if (auto* login = qobject_cast<TUsernamePasswordDialog*>(w)) {
            prefilled = Field(login, "leUserName")->text();
            Field(login, "lePassword")->setText("wrong");
            login->findChild<QCheckBox*>("cbSavePassword")->setChecked(false);
            ClickOk(login);
        }
    });
    TSendEMailForm form(attachment, *window->ActiveEditor()->ContestLog(), window.get());
    form.show();
    Click(&form, "bbOK");
    QCOMPARE(prefilled, QString("dl1abc"));
    QVERIFY(form.isVisible());  // stays open for another try
    QVERIFY(!form.Outcome().Sent());
    QCOMPARE(driver.boxTexts.size(), 1);
    QVERIFY(driver.boxTexts[0].startsWith(LSText(lsSendingFailed)));
    QVERIFY(server.Messages().empty());
    QVERIFY(ReadJournal(Options.Path_EMails.oValue).empty());
    QCOMPARE(Options.EMail_Password.oValue, std::string());
    form.reject();
}

void TMailGuiTest::gridFontIsStoredAndApplied() {
    auto window = StartMainWindow({FNative});
    TQZEditor* open = window->ActiveEditor();
    TModalDriver driver([](QWidget* w, int) {
        if (auto* fonts = qobject_cast<QFontDialog*>(w)) {
            QFont font = fonts->currentFont();
            font.setPointSize(17);
            font.setItalic(true);
            fonts->setCurrentFont(font);
            static_cast<QDialog*>(fonts)->accept();
        }
    });
    window->Command("acOptionsFont")->trigger();
    QCOMPARE(open->Grid()->font().pointSize(), 17);
    QCOMPARE(ReadSettingInteger("Editor_Font_Size", 0), 17);
    QCOMPARE(ReadSettingInteger("Editor_Font_Style", 0), int(fsItalic));
    // A log opened after a restart gets the stored font.
    auto again = StartMainWindow({FNative});
    QCOMPARE(again->ActiveEditor()->Grid()->font().pointSize(), 17);
    QVERIFY(again->ActiveEditor()->Grid()->font().italic());
    Options = TOptions();
    QVERIFY(SaveOptionsToSettingsFile(Options));
}

void TMailGuiTest::outputFontIsStoredAndApplied() {
    auto window = StartMainWindow({FNative});
    TQZEditor* open = window->ActiveEditor();
    const QFont gridBefore = open->Grid()->font();
    TModalDriver driver([](QWidget* w, int) {
        if (auto* fonts = qobject_cast<QFontDialog*>(w)) {
            QFont font = fonts->currentFont();
            font.setPointSize(19);
            font.setItalic(true);
            fonts->setCurrentFont(font);
            static_cast<QDialog*>(fonts)->accept();
        }
    });
    window->Command("acOutputFontDialog")->trigger();
    for (TOutputWindow w : {owMessages, owResult, owCabrillo}) QCOMPARE(open->OutputMemo(w)->font().pointSize(), 19);
    QCOMPARE(open->Grid()->font(), gridBefore);
    QCOMPARE(ReadSettingInteger("Output_Font_Size", 0), 19);
    QCOMPARE(ReadSettingInteger("Output_Font_Style", 0), int(fsItalic));
    // A log opened after a restart gets the stored font; the grid keeps its own.
    auto again = StartMainWindow({FNative});
    QCOMPARE(again->ActiveEditor()->OutputMemo(owADIF)->font().pointSize(), 19);
    QVERIFY(again->ActiveEditor()->OutputMemo(owMessages)->font().italic());
    QVERIFY(again->ActiveEditor()->Grid()->font().pointSize() != 19);
    Options = TOptions();
    QVERIFY(SaveOptionsToSettingsFile(Options));
}

// Pictures of every window in both languages, for looking at them (run under Xvfb with
// QZ_SCREENSHOT_DIR set; skipped otherwise).
void TMailGuiTest::screenshotsOfEveryWindow() {
    const QString folder = qEnvironmentVariable("QZ_SCREENSHOT_DIR");
    if (folder.isEmpty()) QSKIP("QZ_SCREENSHOT_DIR is not set");
    auto window = StartMainWindow({FNative});
    const TContestLog& log = *window->ActiveEditor()->ContestLog();
    Options.Path_EMails.oValue = Path("shot-mails");
    TEMailFile kept;
    kept.ehSMTPHost = "smtp.example.org";
    kept.ehFrom = kept.ehCopy = "dl1abc@example.org";
    kept.ehTo = "cqww@example.net";
    kept.ehSubject = kept.ehCall = "DL1ABC";
    kept.ehContest = "CQ WW DX Contest CW";
    kept.ehBody = "73";
    kept.ehAttachment = "START-OF-LOG: 3.0\r\nEND-OF-LOG:\r\n";
    const std::string keptFile = kept.SaveToFile(Options.Path_EMails.oValue, 45000.5);
    const std::string attachment = Path("shot.cbr");
    test::WriteFile(attachment, kept.ehAttachment);
    auto shoot = [&](QWidget* w, const QString& name) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::qWait(50);
        QVERIFY(w->grab().save(folder + "/" + name + ".png"));
        w->hide();
    };
    for (const TLanguage language : {lEnglish, lGerman}) {
        QVERIFY(window->ApplyLanguage(language));
        const QString suffix = language == lEnglish ? "-eng" : "-ger";
        TOptionsDialog options(window.get(), true);
        for (int page = 0; page < options.Pages()->count(); ++page) {
            options.Pages()->setCurrentIndex(page);
            shoot(&options, QString("options-%1").arg(page) + suffix);
        }
        TSendEMailForm send(attachment, log, window.get());
        shoot(&send, "send" + suffix);
        TSendEMailForm view(kept, keptFile, window.get());
        shoot(&view, "sent-message" + suffix);
        TUsernamePasswordDialog login("smtp.example.org", "dl1abc", "", window.get());
        shoot(&login, "login" + suffix);
        TEMailJournalForm journal(window.get());
        shoot(&journal, "journal" + suffix);
        TFinalizeLogForm finalize(window.get());
        shoot(&finalize, "finalize" + suffix);
    }
    QVERIFY(window->ApplyLanguage(lEnglish));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TMailGuiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mail_gui_tests.moc"
