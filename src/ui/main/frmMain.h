#pragma once

#include "platform/ui/keyed_tree.h"

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>

struct ProgramState;

// The main window: the tree of stored analyses beside the area that holds every child window.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(ProgramState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    // The window's load: runs once, while the SITEINFO record set holds every stored analysis.
    void MDIForm_Load();

    QWidget* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    KeyedTree* trvAnalysis = nullptr;
    QMdiArea* mdiArea = nullptr;

private:
    void fillTree();

    ProgramState& m_state;
};
