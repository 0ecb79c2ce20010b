#pragma once

#include "data/analysis_rows.h"
#include "platform/ui/forms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <vector>

// The administrator window: a free-standing window, above the others while "Always on Top" is
// ticked. Before log-on it offers the log-on box, the change log and its exit; the right
// password reveals the password change, the deletion and export commands and makes the chemical
// table window editable. Closing it by any route ends administrator mode with the change summary.
class frmPassword : public FormWindow {
    Q_OBJECT
public:
    frmPassword();

    bool isMdiChild() const override { return false; }

    void cmdLogOn_Click();
    void cmdChangePW_Click();
    void cmdDelCOC_Click();
    void cmdExport_Click();
    void Command1_Click();
    void chkOnTop_Click();
    void cmdExitAdmin_Click();

    // Compares the chemical table with its image taken when this window loaded, offers to keep
    // the changes in the change log and reports them.
    void SaveChangeSummary();

    QLabel* Label1[3];
    QLabel* Label2[4];
    QLineEdit* txtPW;
    QPushButton* cmdLogOn;
    QLineEdit* txtOldPW;
    QLineEdit* txtNewPW1;
    QLineEdit* txtNewPW2;
    QPushButton* cmdChangePW;
    QPushButton* cmdDelCOC;
    QPushButton* cmdExport;
    QPushButton* Command1;
    QCheckBox* chkOnTop;
    QPushButton* cmdExitAdmin;

protected:
    void formLoad() override;
    void formUnload() override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls that log-on reveals.
    std::vector<QWidget*> administratorControls() const;

    QString m_password;   // as read at the last log-on attempt
    std::optional<std::vector<TableRow>> m_beforeImage;
};
