#include "gui/natemplatedialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/formatstrings.h"
#include "gui/qtext.h"
#include "import/naimport.h"

namespace qz::gui {

TNATemplateForm::TNATemplateForm(const std::string& missingFile, QWidget* parent) : QDialog(parent) {
    setObjectName("TNATemplateForm");
    setWindowTitle("NATemplate");
    auto* layout = new QVBoxLayout(this);
    auto* text1 = new QLabel(LSCaption(fmt::lsTemplateMissing1));
    auto* name = new QLabel(FromPath(missingFile));
    name->setObjectName("laTemplateFilename");
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* text2 = new QLabel(LSCaption(fmt::lsTemplateMissing2));
    text2->setWordWrap(true);
    for (QLabel* l : {text1, name, text2}) layout->addWidget(l);

    FFromList = new QRadioButton(LSCaption(fmt::lsTemplateFromList));
    FFromList->setObjectName("rbTemplateList");
    FFromFile = new QRadioButton(LSCaption(fmt::lsTemplateFromFile));
    FFromFile->setObjectName("rbChooseTemplate");
    FListPanel = new QWidget;
    FListPanel->setObjectName("paChooseFromList");
    auto* listLayout = new QHBoxLayout(FListPanel);
    FList = new QListWidget;
    FList->setObjectName("lbTemplates");
    for (std::string_view t : NATemplateNames()) FList->addItem(QString::fromLatin1(t.data(), t.size()));
    FList->setCurrentRow(0);
    listLayout->addWidget(FList, 1);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("bbOk");
    ok->setDefault(true);
    listLayout->addWidget(ok, 0, Qt::AlignBottom);
    FFilePanel = new QWidget;
    FFilePanel->setObjectName("paChooseFile");
    auto* fileLayout = new QHBoxLayout(FFilePanel);
    auto* choose = new QPushButton(LSCaption(fmt::lsChooseFile));
    choose->setObjectName("bbChooseFile");
    fileLayout->addWidget(choose);
    fileLayout->addStretch();
    layout->addWidget(FFromList);
    layout->addWidget(FFromFile);
    layout->addWidget(FListPanel, 1);
    layout->addWidget(FFilePanel);
    auto* cancel = new QPushButton(LSCaption(fmt::lsCancel));
    cancel->setObjectName("bbCancel");
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cancel);
    layout->addLayout(bottom);

    connect(FFromList, &QRadioButton::toggled, this, [this] { ShowPanel(); });
    connect(FFromFile, &QRadioButton::toggled, this, [this] { ShowPanel(); });
    connect(ok, &QPushButton::clicked, this, [this] { ChooseFromList(); });
    connect(FList, &QListWidget::itemDoubleClicked, this, [this] { ChooseFromList(); });
    connect(choose, &QPushButton::clicked, this, [this] { ChooseFile(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FFromList->setChecked(true);
    ShowPanel();
}

void TNATemplateForm::ShowPanel() {
    FListPanel->setVisible(FFromList->isChecked());
    FFilePanel->setVisible(FFromFile->isChecked());
}

void TNATemplateForm::ChooseFromList() {
    if (FList->currentRow() < 0) return;
    FTemplateNumber = FList->currentRow() + 1;
    accept();
}

void TNATemplateForm::ChooseFile() {
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(), DialogFilter(fmt::lsTemplateFilter));
    if (file.isEmpty()) return;
    FTemplateNumber = -1;
    FTemplateFile = ToPath(file);
    accept();
}

bool ChooseNATemplate(QWidget* parent, const std::string& missingFile, int& templateNumber, std::string& templateFile) {
    TNATemplateForm form(missingFile, parent);
    if (form.exec() != QDialog::Accepted) return false;
    templateNumber = form.TemplateNumber();
    templateFile = form.TemplateFile();
    return true;
}

}  // namespace qz::gui
