// The main window's commands that open the information windows and switch the disclosure.

#include "platform/ui/forms.h"
#include "ui/common/ui_state.h"
#include "ui/main/admin_settings.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmAcknow.h"
#include "ui/main/frmLegend.h"
#include "ui/main/frmMain.h"

namespace {

// An information window already open only comes to the front, at the page it shows.
void showInformationPage(qint16 page)
{
    uiState().gAcknowPage = page;
    Forms::get<frmAcknow>()->showForm();
}

}   // namespace

void frmMain::connectInformationItems()
{
    connect(mnuAcknowledgements, &QAction::triggered, this, &frmMain::mnuAcknowledgements_Click);
    connect(mnuObjective, &QAction::triggered, this, &frmMain::mnuObjective_Click);
    connect(mnuMission, &QAction::triggered, this, &frmMain::mnuMission_Click);
    connect(mnuProc, &QAction::triggered, this, &frmMain::mnuProc_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuFontLegend, &QAction::triggered, this, &frmMain::mnuFontLegend_Click);
    // The item ticks itself when chosen; the command decides from the tick it had.
    connect(mnuDisclosure, &QAction::triggered, this, [this](bool checked) {
        mnuDisclosure->setChecked(!checked);
        mnuDisclosure_Click();
    });
}

void frmMain::mnuAcknowledgements_Click()
{
    showInformationPage(1);
}

void frmMain::mnuObjective_Click()
{
    showInformationPage(2);
}

void frmMain::mnuMission_Click()
{
    showInformationPage(3);
}

void frmMain::mnuProc_Click()
{
    showInformationPage(4);
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::mnuFontLegend_Click()
{
    frmLegend legend(this);
    legend.exec();
}

void frmMain::mnuDisclosure_Click()
{
    const bool wanted = !mnuDisclosure->isChecked();
    if (setDisclosureWanted(wanted))
        mnuDisclosure->setChecked(wanted);
}
