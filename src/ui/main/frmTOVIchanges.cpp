#include "ui/main/frmTOVIchanges.h"

#include "platform/ui/geometry.h"
#include "ui/common/window_names.h"
#include "ui/main/frmMain.h"
#include "ui/main/info_texts.h"

frmTOVIchanges::frmTOVIchanges(QWidget* parent) : QDialog(parent)
{
    setObjectName(windowName::frmTOVIchanges);
    setWindowTitle(QStringLiteral("Changes in TOVI"));
    setModal(true);
    setFixedSize(twipsToPx(8520), twipsToPx(6240));

    RichTextBox3 = new QTextBrowser(this);
    RichTextBox3->setObjectName(QStringLiteral("RichTextBox3"));
    RichTextBox3->setHtml(infoText(InfoText::Changes));
    placeTwips(RichTextBox3, 120, 120, 8280, 5280);

    chkShowChanges = new QCheckBox(QStringLiteral("Don't show this dialog again"), this);
    chkShowChanges->setObjectName(QStringLiteral("chkShowChanges"));
    placeTwips(chkShowChanges, 120, 5640, 3600, 375);

    cmdYes = new QPushButton(QStringLiteral("Yes, View Document"), this);
    cmdYes->setObjectName(QStringLiteral("cmdYes"));
    placeTwips(cmdYes, 4200, 5580, 2040, 495);
    cmdNo = new QPushButton(QStringLiteral("No, Go to Program"), this);
    cmdNo->setObjectName(QStringLiteral("cmdNo"));
    placeTwips(cmdNo, 6360, 5580, 2040, 495);

    connect(cmdYes, &QPushButton::clicked, this, &frmTOVIchanges::cmdYes_Click);
    connect(cmdNo, &QPushButton::clicked, this, &frmTOVIchanges::cmdNo_Click);
}

void frmTOVIchanges::cmdYes_Click()
{
    ViewChanges = true;
    hide();
}

void frmTOVIchanges::cmdNo_Click()
{
    ViewChanges = false;
    hide();
}

ChangesNoticeAnswer showChangesNoticeDialog()
{
    frmTOVIchanges notice(frmMain::instance());
    notice.exec();
    return ChangesNoticeAnswer{notice.ViewChanges, notice.chkShowChanges->isChecked()};
}
