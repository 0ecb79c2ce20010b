#include "ui/main/frmTitle.h"

#include "data/schema.h"
#include "platform/ui/message_box.h"
#include "ui/common/window_names.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

static_assert(int(prompt::OKOnly) == vbOKOnly && int(prompt::YesNo) == vbYesNo && int(prompt::Critical) == vbCritical
              && int(prompt::Information) == vbInformation);
static_assert(int(prompt::OK) == vbOK && int(prompt::Yes) == vbYes && int(prompt::No) == vbNo);

frmTitle::frmTitle()
{
    setObjectName(windowName::frmTitle);
    setWindowTitle(QStringLiteral("Title for Imported v.1.0 Analysis"));
    setModal(true);

    Label1 = new QLabel(
        QStringLiteral("Please enter a File Name for this v.1.0 analysis for TOVI v.2.0 to reference it by."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    txtTitle = new QLineEdit(this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->setMaxLength(siteInfoTable().column(QStringLiteral("FILENAME"))->width);
    cmdOK = new QPushButton(QStringLiteral("Finished"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtTitle);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, &frmTitle::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTitle::cmdCancel_Click);
    ImportCancelled = false;
}

QPointer<frmTitle>& frmTitle::instance()
{
    static QPointer<frmTitle> form;
    return form;
}

frmTitle* frmTitle::get()
{
    if (!instance())
        instance() = new frmTitle();
    return instance();
}

bool frmTitle::isLoaded()
{
    return !instance().isNull();
}

void frmTitle::Unload()
{
    frmTitle* form = instance();
    if (!form)
        return;
    instance() = nullptr;
    form->Form_Unload();
    form->done(QDialog::Rejected);
    form->deleteLater();
}

void frmTitle::cmdOK_Click()
{
    // An empty name is no answer: the prompt stays.
    if (txtTitle->text().isEmpty())
        return;
    ImportCancelled = false;
    done(QDialog::Accepted);
}

void frmTitle::cmdCancel_Click()
{
    if (MsgBox(QStringLiteral("Do you want to cancel the import process?"), vbYesNo, QStringLiteral("Cancel Import"))
        == vbYes) {
        ImportCancelled = true;
        Unload();
    } else {
        ImportCancelled = false;
    }
}

void frmTitle::Form_Unload()
{
    if (txtTitle->text().isEmpty())
        ImportCancelled = true;
}

void frmTitle::closeEvent(QCloseEvent* event)
{
    ImportCancelled = true;
    event->accept();
    Unload();
}

void frmTitle::reject()
{
    cmdCancel_Click();
}

int AnalysisFileDialogs::message(const QString& text, int style, const QString& title)
{
    return MsgBox(text, style, title);
}

void AnalysisFileDialogs::generalError(const Error& error, const QString& title)
{
    showGeneralError(error, title);
}

std::optional<QString> AnalysisFileDialogs::askTitle(const QString& caption, const QString& label, const QString& text)
{
    QPointer<frmTitle> form = frmTitle::get();
    form->setWindowTitle(caption);
    form->Label1->setText(label);
    form->txtTitle->setText(text);
    form->exec();
    std::optional<QString> title;
    if (form && !frmTitle::ImportCancelled)
        title = form->txtTitle->text();
    frmTitle::Unload();
    return title;
}
