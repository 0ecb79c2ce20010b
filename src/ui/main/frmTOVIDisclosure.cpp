#include "ui/main/frmTOVIDisclosure.h"
#include "ui/main/analysis_host.h"

#include "platform/ui/geometry.h"
#include "ui/common/window_names.h"
#include "ui/main/admin_settings.h"
#include "ui/main/frmMain.h"
#include "ui/main/info_texts.h"

frmTOVIDisclosure::frmTOVIDisclosure(QWidget* parent) : QDialog(parent)
{
    setObjectName(windowName::frmTOVIDisclosure);
    setWindowTitle(QStringLiteral("TOVI Disclosure"));
    setModal(true);
    setFixedSize(twipsToPx(7560), twipsToPx(4560));

    rtbTOVIDisclosure = new QTextBrowser(this);
    rtbTOVIDisclosure->setObjectName(QStringLiteral("rtbTOVIDisclosure"));
    // The heading is bold in the text itself.
    rtbTOVIDisclosure->setHtml(infoText(InfoText::Disclosure));
    placeTwips(rtbTOVIDisclosure, 120, 120, 7320, 3600);

    Check1 = new QCheckBox(QStringLiteral("Click here to turn off the Disclosure Statement"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    placeTwips(Check1, 120, 3870, 5100, 375);

    Command1 = new QPushButton(QStringLiteral("Done"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    placeTwips(Command1, 6000, 3840, 1440, 435);

    connect(Command1, &QPushButton::clicked, this, &frmTOVIDisclosure::Command1_Click);
}

void frmTOVIDisclosure::Command1_Click()
{
    const bool wanted = !Check1->isChecked();
    if (frmMain* main = frmMain::instance(); setDisclosureWanted(wanted) && main)
        main->mnuDisclosure->setChecked(wanted);
    accept();
}

void showDisclosureBeforeRun()
{
    if (!disclosureWanted())
        return;
    frmTOVIDisclosure disclosure(frmMain::instance());
    disclosure.exec();
}
