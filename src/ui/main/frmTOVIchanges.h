#pragma once

#include "ui/main/main_window_services.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

// The changes notice that start-up shows until the user asks not to see it again. Its buttons
// hide it, so that start-up can still read the answer and the check box.
class frmTOVIchanges : public QDialog {
    Q_OBJECT
public:
    explicit frmTOVIchanges(QWidget* parent = nullptr);

    QTextBrowser* RichTextBox3 = nullptr;
    QCheckBox* chkShowChanges = nullptr;
    QPushButton* cmdYes = nullptr;
    QPushButton* cmdNo = nullptr;

    // The answer: true when the user chose to view the changes document.
    bool ViewChanges = false;

    void cmdYes_Click();
    void cmdNo_Click();
};

// Shows the notice modally and returns its answer (start-up's showChangesNotice service).
ChangesNoticeAnswer showChangesNoticeDialog();
