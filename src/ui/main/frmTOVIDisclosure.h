#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

// The disclosure shown before runs, about exposure pathways that the program does not assess.
// A modal dialog created at each display; "Done" stores whether it shows before later runs.
class frmTOVIDisclosure : public QDialog {
    Q_OBJECT
public:
    explicit frmTOVIDisclosure(QWidget* parent = nullptr);

    QTextBrowser* rtbTOVIDisclosure = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;

    void Command1_Click();
};
