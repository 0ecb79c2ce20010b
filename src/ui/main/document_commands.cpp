// The main window's guidance documents, its document labels and the help.

#include "data/program_state.h"
#include "platform/ui/cursor_file.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"
#include "ui/common/ui_state.h"
#include "ui/main/documents.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmViewDocuments.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

void frmMain::buildDocumentLabels(QVBoxLayout* layout)
{
    Label3 = new QLabel(QStringLiteral("Guidance Documents"), Picture1);
    Label3->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(Label3);

    auto linkLabel = [this](const QString& name, const QString& caption) {
        auto* label = new QLabel(caption, Picture1);
        label->setObjectName(name);
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colorFromBgr(0xFF0000));
        label->setPalette(palette);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        return label;
    };
    const QStringList captions = {"Chapter 1 of WEXT",
                                  "Chapter 2 of WEXT",
                                  "Chapter 3 of WEXT",
                                  "Chapter 4 of WEXT",
                                  "Chapter 5 of WEXT",
                                  "Chapter 6 of WEXT",
                                  "Appendix A of WEXT",
                                  "Appendix B of WEXT",
                                  "1",
                                  "2",
                                  "3",
                                  "4",
                                  "5"};
    for (int i = 0; i < int(lblWEXT.size()); ++i)
        lblWEXT[size_t(i)] = linkLabel(QStringLiteral("lblWEXT%1").arg(i), captions[i]);
    lblUM = linkLabel(QStringLiteral("lblUM"), QStringLiteral("TOVI v.3.0  User's Guide"));

    auto* grid = new QGridLayout();
    for (int i = 0; i < 6; ++i)
        grid->addWidget(lblWEXT[size_t(i)], i / 3, i % 3);
    auto* appendixA = new QHBoxLayout();
    appendixA->addWidget(lblWEXT[6]);
    for (size_t i = 8; i <= 12; ++i)
        appendixA->addWidget(lblWEXT[i]);
    appendixA->addStretch(1);
    grid->addLayout(appendixA, 2, 0, 1, 2);
    grid->addWidget(lblWEXT[7], 2, 2);
    grid->addWidget(lblUM, 3, 0, 1, 3);
    layout->addLayout(grid);
}

void frmMain::connectDocumentCommands()
{
    for (const DocumentRow& row : documentRows()) {
        auto* item = menuBar()->findChild<QAction*>(QString::fromLatin1(row.menuItem));
        if (item == nullptr)
            continue;
        if (&row == documentRow(QStringLiteral("TOVIchanges.pdf")))
            connect(item, &QAction::triggered, this, &frmMain::mnuTOVIChanges_Click);
        else
            connect(item, &QAction::triggered, this, [&row] { openDocument(row); });
    }
    connect(menuBar()->findChild<QAction*>(QStringLiteral("mnuHelpFile")), &QAction::triggered, this,
            &frmMain::mnuHelpFile_Click);
    openHelpWithF1(this, [this] { mnuHelpFile_Click(); });
}

bool frmMain::documentLabelEvent(QObject* watched, QEvent* event)
{
    const auto it = std::find(lblWEXT.begin(), lblWEXT.end(), watched);
    const int index = it == lblWEXT.end() ? -1 : int(it - lblWEXT.begin());
    if (index < 0 && watched != lblUM)
        return false;
    if (event->type() == QEvent::MouseMove) {
        if (index >= 0)
            lblWEXT_MouseMove(index);
        else
            lblUM_MouseMove();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton
            || !static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
            return false;
        if (index >= 0)
            lblWEXT_Click(index);
        else
            lblUM_Click();
        return true;
    }
    return false;
}

void frmMain::lblWEXT_Click(int index)
{
    Forms::unload<frmViewDocuments>();
    if (index == 6) {
        MsgBox(QStringLiteral("Please click on one of the Appendix A numbers to the right."), vbOKOnly,
               QStringLiteral("Select Appendix Number"));
        return;
    }
    for (const DocumentRow& row : documentRows()) {
        if (index >= 0 && row.labelIndex == index) {
            openDocument(row);
            return;
        }
    }
}

void frmMain::lblUM_Click()
{
    openDocument(*documentRow(QStringLiteral("uguide.pdf")));
}

void frmMain::lblWEXT_MouseMove(int)
{
    showHandPointer();
}

void frmMain::lblUM_MouseMove()
{
    showHandPointer();
}

void frmMain::showHandPointer()
{
    if (uiState().gHandCursorFailed)
        return;
    Result<QCursor> hand = loadCursorFile(QDir(m_state.programFolder).filePath(QStringLiteral("cursors/h_point.cur")));
    if (!hand) {
        uiState().gHandCursorFailed = true;
        showGeneralError(hand.error(), kUnableToSaveTitle);
        return;
    }
    setCursor(*hand);
}

void frmMain::mnuTOVIChanges_Click()
{
    showChangesDocument();
}

void frmMain::mnuHelpFile_Click()
{
    if (Status shown = showHelp(); !shown)
        showGeneralError(shown.error(), kUnableToSaveTitle);
}
