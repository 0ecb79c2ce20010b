#include "ui/main/frmHelp.h"

#include "data/program_state.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

frmHelp::frmHelp()
    : cmdContents(new QPushButton(QStringLiteral("&Contents"), this)),
      cmdBack(new QPushButton(QStringLiteral("&Back"), this)),
      cmdForward(new QPushButton(QStringLiteral("&Forward"), this)), txtHelp(new QTextBrowser(this))
{
    cmdContents->setObjectName(QStringLiteral("cmdContents"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdForward->setObjectName(QStringLiteral("cmdForward"));
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setOpenLinks(true);
    txtHelp->setOpenExternalLinks(false);
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(cmdContents);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdForward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp, 1);

    connect(cmdContents, &QPushButton::clicked, this, [this] { txtHelp->setSource(m_contents); });
    connect(cmdBack, &QPushButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(txtHelp, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, cmdForward, &QPushButton::setEnabled);

    setWindowTitle(QStringLiteral("TOVI Help"));
    resize(820, 640);
}

void frmHelp::showPage(const QString& path)
{
    m_contents = QUrl::fromLocalFile(path);
    txtHelp->setSource(m_contents);
}

QString helpIndexPath()
{
    return QDir(programState().programFolder).filePath(QStringLiteral("Help/index.html"));
}

Status showHelp()
{
    const QString path = helpIndexPath();
    if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable())
        return Error{kErrFile, QStringLiteral("File not found: ") + path};
    frmHelp* help = Forms::get<frmHelp>();
    help->showPage(path);
    help->showForm();
    help->activateWindow();
    return {};
}
