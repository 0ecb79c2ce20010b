#include "ui/main/frmMain.h"

#include "data/analysis_tables.h"
#include "data/program_state.h"
#include "platform/ui/forms.h"

#include <QDockWidget>
#include <QVBoxLayout>

frmMain::frmMain(ProgramState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmMain"));
    resize(1000, 700);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);
    Forms::setMdiArea(mdiArea);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    auto* layout = new QVBoxLayout(Picture1);
    Label1 = new QLabel(QStringLiteral("Available Analyses"), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    trvAnalysis = new KeyedTree(Picture1);
    trvAnalysis->setObjectName(QStringLiteral("trvAnalysis"));
    layout->addWidget(Label1);
    layout->addWidget(trvAnalysis, 1);

    auto* pane = new QDockWidget(this);
    pane->setObjectName(QStringLiteral("paneAnalyses"));
    pane->setFeatures(QDockWidget::NoDockWidgetFeatures);
    pane->setTitleBarWidget(new QWidget(pane));
    pane->setWidget(Picture1);
    addDockWidget(Qt::LeftDockWidgetArea, pane);
}

frmMain::~frmMain()
{
    if (Forms::mdiArea() == mdiArea)
        Forms::setMdiArea(nullptr);
}

void frmMain::MDIForm_Load()
{
    show();
    fillTree();
    setWindowTitle(QStringLiteral("TOVI v.3.0.%1 - RCRA Subtitle D Quarvel Program ").arg(TOVI_REVISION));
}

void frmMain::fillTree()
{
    Recordset& rs = m_state.gRsSiteInfo;
    if (rs.recordCount() <= 0)
        return;
    trvAnalysis->setUpdatesEnabled(false);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const AnalysisTreeGroup group = analysisTreeNodes(rs);
        for (const AnalysisTreeNode& n : group) {
            QTreeWidgetItem* item = trvAnalysis->addNode(n.parentKey, n.key, n.text);
            if (!item)
                break;
            if (n.bold)
                KeyedTree::setBold(item, true);
        }
    }
    trvAnalysis->setUpdatesEnabled(true);
}
