#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class AnalysisSession;

// The list of stored analyses that the File menu's Open shows as a modal dialog.
class frmOpenAnalyses : public QDialog {
    Q_OBJECT
public:
    explicit frmOpenAnalyses(AnalysisSession& session);

    // Lists the analyses in tree order; each entry's data is the tree position of the analysis's
    // first detail node.
    void Form_Load();
    void cmdOpen_Click();
    void lstAnalyses_DblClick();
    void cmdCancel_Click();

    QLabel* Label1 = nullptr;
    QListWidget* lstAnalyses = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void OpenSelected();

    AnalysisSession& m_session;
};
