// The main window's left pane: the tree of analyses, the analysis buttons and the instructions
// that follow the mouse.

#include "ui/main/frmMain.h"

#include "platform/ui/forms.h"

#include <QDockWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

void frmMain::buildPane()
{
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    // Moving onto the pane or the window's background ends the hand pointer of a document label.
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);
    mdiArea->viewport()->setMouseTracking(true);
    mdiArea->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(Picture1);

    Label1 = new QLabel(QStringLiteral("Available Analyses"), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    trvAnalysis = new KeyedTree(Picture1);
    trvAnalysis->setObjectName(QStringLiteral("trvAnalysis"));
    trvAnalysis->setToolTip(QStringLiteral("Double-click any analysis in this box to open it for editing/running.  "
                                           "You also use this list in conjunction with the command buttons below."));
    connect(trvAnalysis, &QTreeWidget::itemClicked, this, [this] { trvAnalysis_NodeClick(); });
    // The highlight moved with the keyboard (arrow keys, a typed letter) counts as a click.
    connect(trvAnalysis, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current && current->isSelected() && trvAnalysis->hasFocus())
            trvAnalysis_NodeClick();
    });
    connect(trvAnalysis, &QTreeWidget::itemDoubleClicked, this, [this] { cmdOpen_Click(); });
    addInstruction(trvAnalysis, QStringLiteral("Double click an analysis or any sub-heading of an analysis to open it "
                                               "for editing and/or running."));

    Label2 = new QLabel(QStringLiteral("Analysis Operations"), Picture1);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto* buttons = new QGridLayout();
    struct Button {
        QPushButton** member;
        const char* name;
        const char* caption;
        const char* tooltip;
        const char* instruction;
        void (frmMain::*handler)();
    };
    const Button defs[] = {
        {&cmdNew, "cmdNew", "New Analysis", "Click this button to create a new TOVI analysis",
         "Click this button to begin a New analysis.", &frmMain::cmdNew_Click},
        {&cmdOpen, "cmdOpen", "Open Analysis", "Click this button to Open the analysis highlighted above.",
         "Make sure that one of the analyses above is highlighted and then click this button to Open the analysis.",
         &frmMain::cmdOpen_Click},
        {&cmdSave, "cmdSave", "Save Analysis", "Click this button to save the current TOVI analysis.",
         "Click this button anytime it is enable to save changes to the current analysis.", &frmMain::cmdSave_Click},
        {&cmdClose, "cmdClose", "Close Analysis", "Click this button to Close the open analysis.",
         "Closes the currently open analysis.", &frmMain::cmdClose_Click},
        {&cmdCopy, "cmdCopy", "Copy Analysis", "Click this button to make a copy of the analysis highlighted above.",
         "Highlight the analysis in the box above and then click this button to make another copy.",
         &frmMain::cmdCopy_Click},
        {&cmdDelete, "cmdDelete", "Delete Analysis", "Click this button to Delete the analysis highlighted above.",
         "Highlight the analysis in the box above and then click this button to permanently delete it from the "
         "database.",
         &frmMain::cmdDelete_Click},
        {&cmdImport, "cmdImport", "Import Analysis",
         "Click this button to Import an existing TOVI v.1.0 or v.2.0 analysis.",
         "Click this button to Import existing v.1.0 or v.2.0 TOVI analyses.  Once imported, use the Open button.",
         &frmMain::cmdImport_Click},
        {&cmdExport, "cmdExport", "Export Analysis",
         "Click this button to Export an existing TOVI analysis so that it can be sent to another TOVI user.",
         "Click this button to Export the currently open or highlighted analysis as a v.2.0 analysis.",
         &frmMain::cmdExport_Click},
        {&cmdUpdateAnalyses, "cmdUpdateAnalyses", "Update Analyses",
         "Create copies of all the analyses with the most current chemical properties.",
         "Create copies of all the analyses with the most current chemical properties.",
         &frmMain::cmdUpdateAnalyses_Click},
    };
    int index = 0;
    for (const Button& b : defs) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), Picture1);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromLatin1(b.tooltip));
        connect(button, &QPushButton::clicked, this, b.handler);
        addInstruction(button, QString::fromLatin1(b.instruction));
        buttons->addWidget(button, index / 3, index % 3);
        *b.member = button;
        ++index;
    }

    rtfInstructions = new QTextEdit(Picture1);
    rtfInstructions->setObjectName(QStringLiteral("rtfInstructions"));
    rtfInstructions->setReadOnly(true);
    rtfInstructions->setFixedHeight(96);

    txtCurSiteKey = new QLineEdit(Picture1);
    txtCurSiteKey->setObjectName(QStringLiteral("txtCurSiteKey"));
    txtCurSiteKey->hide();

    layout->addWidget(Label1);
    layout->addWidget(trvAnalysis, 1);
    layout->addWidget(Label2);
    layout->addLayout(buttons);
    buildDocumentLabels(layout);
    layout->addWidget(rtfInstructions);

    auto* pane = new QDockWidget(this);
    pane->setObjectName(QStringLiteral("paneAnalyses"));
    pane->setFeatures(QDockWidget::NoDockWidgetFeatures);
    pane->setTitleBarWidget(new QWidget(pane));
    pane->setWidget(Picture1);
    Picture1->setMinimumWidth(360);
    addDockWidget(Qt::LeftDockWidgetArea, pane);
}

void frmMain::addInstruction(QWidget* control, const QString& text)
{
    control->installEventFilter(this);
    m_instructions.insert(control, text);
    if (auto* view = qobject_cast<QAbstractScrollArea*>(control)) {
        view->viewport()->installEventFilter(this);
        m_instructions.insert(view->viewport(), text);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (documentLabelEvent(watched, event))
        return true;
    if (event->type() == QEvent::MouseMove && (watched == Picture1 || watched == mdiArea->viewport()))
        unsetCursor();
    // Enter on a highlighted analysis opens it, as a double click does.
    if (watched == trvAnalysis && event->type() == QEvent::KeyPress && !trvAnalysis->selectedItems().isEmpty()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdOpen_Click();
            return true;
        }
    }
    // Enter on a focused button of the pane presses it, as in the child windows.
    if (event->type() == QEvent::KeyPress
        && pressFocusedButton(*static_cast<QKeyEvent*>(event), qobject_cast<QWidget*>(watched)))
        return true;
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const auto it = m_instructions.constFind(watched);
        if (it != m_instructions.constEnd() && rtfInstructions->toPlainText() != *it)
            rtfInstructions->setPlainText(*it);
    }
    return QMainWindow::eventFilter(watched, event);
}
