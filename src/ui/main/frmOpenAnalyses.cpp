#include "ui/main/frmOpenAnalyses.h"

#include "platform/ui/geometry.h"
#include "ui/common/window_names.h"
#include "ui/main/analysis_session.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
// The root key of the entry's analysis, kept beside its position: Close may drop a group
// before the entry's position is used.
constexpr int kRootKeyRole = Qt::UserRole + 1;
constexpr int kGroupSize = 9;
}   // namespace

frmOpenAnalyses::frmOpenAnalyses(AnalysisSession& session) : QDialog(&session.window()), m_session(session)
{
    setObjectName(windowName::frmOpenAnalyses);
    setWindowTitle(QStringLiteral("Open Analysis"));
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Available Analyses"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lstAnalyses = new QListWidget(this);
    lstAnalyses->setObjectName(QStringLiteral("lstAnalyses"));
    cmdOpen = new QPushButton(QStringLiteral("Open Analysis"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(cmdOpen);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lstAnalyses, 1);
    layout->addLayout(buttons);
    resize(360, 320);

    connect(cmdOpen, &QPushButton::clicked, this, &frmOpenAnalyses::cmdOpen_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOpenAnalyses::cmdCancel_Click);
    connect(lstAnalyses, &QListWidget::itemDoubleClicked, this, &frmOpenAnalyses::lstAnalyses_DblClick);
    Form_Load();
}

void frmOpenAnalyses::Form_Load()
{
    const KeyedTree& tree = m_session.analyses();
    for (int p = 2; p <= tree.nodeCount(); p += kGroupSize) {
        QTreeWidgetItem* root = tree.nodeAt(p)->parent();
        if (!root)
            continue;
        auto* entry = new QListWidgetItem(root->text(0), lstAnalyses);
        entry->setData(Qt::UserRole, p);
        entry->setData(kRootKeyRole, KeyedTree::keyOf(root));
    }
}

void frmOpenAnalyses::cmdOpen_Click()
{
    OpenSelected();
    accept();
}

void frmOpenAnalyses::lstAnalyses_DblClick()
{
    OpenSelected();
    accept();
}

void frmOpenAnalyses::cmdCancel_Click()
{
    reject();
}

void frmOpenAnalyses::OpenSelected()
{
    PointerGuard pointer({&m_session.window()});
    const QList<QListWidgetItem*> chosen = lstAnalyses->selectedItems();
    const QString rootKey = chosen.isEmpty() ? QString() : chosen.front()->data(kRootKeyRole).toString();
    m_session.openFromList(rootKey);
}
