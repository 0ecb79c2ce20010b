#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QVector>

// A table the print window offers: its caption in the list and the name of the window that
// prints it through its PrintTable(bool).
struct PrintItem {
    QString caption;
    QString window;
};

// The 22 tables, in the order in which they are listed and printed.
const QVector<PrintItem>& printItems();

// The print window, a modal dialog: the user ticks any of the tables the program can print for
// the open analysis, and Print prints the ticked ones in list order as one print job, the page
// set-up and print dialogs shown once, before the first.
class frmPrint : public QDialog {
    Q_OBJECT
public:
    explicit frmPrint(QWidget* parent = nullptr);

    void chkSelectAll_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();

    QListWidget* lstPrint = nullptr;
    QCheckBox* chkSelectAll = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Label1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Unloads the printable view of the inputs, the chemical table window and the print window.
    void unloadAfterPrint();
};

// Shows the print window as a modal dialog over `parent`.
void showPrintWindow(QWidget* parent);
