#include "ui/chemdb/frmPassword.h"

#include "data/admin_password.h"
#include "data/chemical_change_log.h"
#include "data/chemical_table.h"
#include "data/program_state.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "platform/ui/settings.h"
#include "ui/chemdb/chemical_table_commands.h"
#include "ui/chemdb/frmCOCs.h"
#include "ui/chemdb/frmChngDBProps.h"
#include "ui/common/message_texts.h"
#include "ui/common/window_names.h"

#include <QDate>
#include <QGridLayout>
#include <QKeyEvent>

namespace {

const QString kApp = QStringLiteral("TOVI");
const QString kSection = QStringLiteral("Admin");
const QString kPasswordKey = QStringLiteral("Change");

// The chemical table window while it is loaded.
frmCOCs* loadedChemicalTable()
{
    return qobject_cast<frmCOCs*>(Forms::find(windowName::frmCOCs));
}

QLabel* label(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLineEdit* passwordBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setEchoMode(QLineEdit::Password);
    box->setMinimumWidth(twipsToPx(2700));
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(true);
    return b;
}

}   // namespace

frmPassword::frmPassword()
{
    setWindowTitle(QStringLiteral("Administrator Privileges"));
    // Every password box shows one asterisk per character.
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));

    Label1[0] = label(this, QStringLiteral("Label1_0"), QStringLiteral("Log On as Administrator"));
    txtPW = passwordBox(this, "txtPW");
    cmdLogOn = button(this, "cmdLogOn", QStringLiteral("Log On"));
    cmdLogOn->setDefault(true);
    Label1[1] = label(this, QStringLiteral("Label1_1"), QStringLiteral("Change Administrator Password"));
    Label2[0] = label(this, QStringLiteral("Label2_0"), QStringLiteral("Current Password"));
    txtOldPW = passwordBox(this, "txtOldPW");
    Label2[1] = label(this, QStringLiteral("Label2_1"), QStringLiteral("New Password"));
    txtNewPW1 = passwordBox(this, "txtNewPW1");
    Label2[2] = label(this, QStringLiteral("Label2_2"), QStringLiteral("Retype New Password"));
    txtNewPW2 = passwordBox(this, "txtNewPW2");
    cmdChangePW = button(this, "cmdChangePW", QStringLiteral("Change Password"));
    Label1[2] = label(this, QStringLiteral("Label1_2"), QStringLiteral("COC Table Modification Options"));
    Label2[3] = label(this, QStringLiteral("Label2_3"),
                      QStringLiteral("(To edit values of existing COCs, simply begin typing in the field with the "
                                     "value to be edited)"));
    Label2[3]->setWordWrap(true);
    cmdDelCOC = button(this, "cmdDelCOC", QStringLiteral("Delete Selected COC Record"));
    cmdExport = button(this, "cmdExport", QStringLiteral("Export Table for Distribution"));
    Command1 = button(this, "Command1", QStringLiteral("View Changes"));
    chkOnTop = new QCheckBox(QStringLiteral("Always on Top"), this);
    chkOnTop->setObjectName(QStringLiteral("chkOnTop"));
    chkOnTop->setChecked(true);
    cmdExitAdmin = button(this, "cmdExitAdmin", QStringLiteral("Exit Administration"));
    for (QLabel* heading : Label1) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1[0], 0, 0, 1, 2);
    grid->addWidget(txtPW, 1, 0);
    grid->addWidget(cmdLogOn, 1, 1);
    grid->addWidget(Label1[1], 2, 0, 1, 2);
    grid->addWidget(Label2[0], 3, 0);
    grid->addWidget(txtOldPW, 4, 0);
    grid->addWidget(Label2[1], 5, 0);
    grid->addWidget(txtNewPW1, 6, 0);
    grid->addWidget(Label2[2], 7, 0);
    grid->addWidget(txtNewPW2, 8, 0);
    grid->addWidget(cmdChangePW, 8, 1);
    grid->addWidget(Label1[2], 9, 0, 1, 2);
    grid->addWidget(Label2[3], 10, 0, 1, 2);
    grid->addWidget(cmdDelCOC, 11, 0, 1, 2);
    grid->addWidget(cmdExport, 12, 0, 1, 2);
    grid->addWidget(Command1, 13, 0, 1, 2);
    grid->addWidget(chkOnTop, 14, 0, 1, 2);
    grid->addWidget(cmdExitAdmin, 15, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* w : administratorControls())
        w->setVisible(false);

    connect(cmdLogOn, &QPushButton::clicked, this, &frmPassword::cmdLogOn_Click);
    connect(cmdChangePW, &QPushButton::clicked, this, &frmPassword::cmdChangePW_Click);
    connect(cmdDelCOC, &QPushButton::clicked, this, &frmPassword::cmdDelCOC_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmPassword::cmdExport_Click);
    connect(Command1, &QPushButton::clicked, this, &frmPassword::Command1_Click);
    connect(chkOnTop, &QCheckBox::clicked, this, &frmPassword::chkOnTop_Click);
    connect(cmdExitAdmin, &QPushButton::clicked, this, &frmPassword::cmdExitAdmin_Click);
}

std::vector<QWidget*> frmPassword::administratorControls() const
{
    return {Label1[1], Label1[2],   Label2[0], Label2[1], Label2[2], Label2[3],
            cmdDelCOC, cmdChangePW, cmdExport, txtOldPW,  txtNewPW1, txtNewPW2};
}

void frmPassword::formLoad()
{
    SetFormTopmost(this, chkOnTop->isChecked());
    Result<std::vector<TableRow>> image = snapshotChemicalTable(*programState().gConn);
    if (image)
        m_beforeImage = std::move(*image);
    else
        showGeneralError(image.error(), kUnableToSaveTitle);
}

bool frmPassword::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        txtPW->setFocus();
    return FormWindow::event(event);
}

void frmPassword::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmdLogOn_Click();
        break;
    case Qt::Key_Escape:
        cmdExitAdmin_Click();
        break;
    default:
        FormWindow::keyPressEvent(event);
    }
}

void frmPassword::cmdLogOn_Click()
{
    txtPW->setFocus();
    m_password = UnscramblePassword(GetSetting(kApp, kSection, kPasswordKey));
    if (txtPW->text() != m_password) {
        MsgBox(QStringLiteral("The program could not log you on as an Administrator.  Please make sure you typed the "
                              "correct password and try again."),
               vbOKOnly | vbInformation, QStringLiteral("Incorrect Password"));
        return;
    }
    for (QWidget* w : administratorControls())
        w->setVisible(true);
    frmCOCs* table = Forms::get<frmCOCs>();
    table->showForm();
    table->setAdministratorMode(true);
}

void frmPassword::cmdChangePW_Click()
{
    const QString newPassword = txtNewPW1->text();
    if (txtOldPW->text() == m_password && newPassword == txtNewPW2->text() && isStorablePassword(newPassword)) {
        if (Status s = SaveSetting(kApp, kSection, kPasswordKey, *ScramblePassword(newPassword)); !s)
            showGeneralError(s.error(), kUnableToSaveTitle);
        return;
    }
    MsgBox(QStringLiteral("Either you have entered the incorrect Old Password or the New Password is not the same in "
                          "both boxes.  Please try again."),
           vbOKOnly, QStringLiteral("Incorrect Password Information"));
    txtOldPW->clear();
    txtNewPW1->clear();
    txtNewPW2->clear();
}

void frmPassword::cmdDelCOC_Click()
{
    Forms::get<frmCOCs>()->DeleteSelectedRecords();
}

void frmPassword::cmdExport_Click()
{
    exportChemicalTableCommand();
}

void frmPassword::Command1_Click()
{
    showChangeLog();
}

void frmPassword::chkOnTop_Click()
{
    SetFormTopmost(this, chkOnTop->isChecked());
}

void frmPassword::cmdExitAdmin_Click()
{
    if (frmCOCs* table = loadedChemicalTable())
        table->hideForm();
    unload();
}

void frmPassword::formUnload()
{
    SaveChangeSummary();
    if (frmCOCs* table = loadedChemicalTable()) {
        table->setAdministratorMode(false);
        table->unload();
    }
}

void frmPassword::SaveChangeSummary()
{
    if (!m_beforeImage)
        return;
    // The row being edited is stored first, or dropped when its CAS check refuses it.
    if (frmCOCs* table = loadedChemicalTable()) {
        table->hideForm();
        table->commitPendingEdit(true);
    }
    const QDate today = QDate::currentDate();
    const bool keep = MsgBox(QStringLiteral("Do you want to save a summary of the changes?  A report will be generated "
                                            "for viewing no matter which option you choose."),
                             vbYesNo, QStringLiteral("Save Summary of Changes"))
                      == vbYes;
    Connection& conn = *programState().gConn;
    Result<std::vector<TableRow>> edited = snapshotChemicalTable(conn);
    if (!edited) {
        showGeneralError(edited.error(), kUnableToSaveTitle);
        return;
    }
    const std::vector<ChemicalChange> changes = compareChemicalTables(*m_beforeImage, *edited);
    if (keep && !changes.empty())
        if (Status s = appendChangeLog(conn, today, changes); !s)
            showGeneralError(s.error(), kUnableToSaveTitle);
    for (const ChemicalChange& change : changes)
        frmChngDBProps::addChangeLine(change);
    if (changes.empty())
        Forms::unload<frmChngDBProps>();
    else
        Forms::get<frmChngDBProps>()->showForm();
}
