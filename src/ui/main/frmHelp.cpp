#include "ui/main/frmHelp.h"

#include "data/program_state.h"
#include "platform/ui/geometry.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// F1 in any window of the program, a modal dialog too (which the main window's own keys do not
// reach).
class HelpKey : public QObject {
public:
    HelpKey(QObject* owner, std::function<void()> open) : QObject(owner), m_open(std::move(open))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
                m_open();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_open;
};

}   // namespace

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
    centreOnScreen(this, QSize(820, 640));
}

void frmHelp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        unload();
    else
        FormWindow::keyPressEvent(event);
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
    // Over a modal dialog the help belongs to it, so that it takes the user's input as well.
    const QWidget* modal = QApplication::activeModalWidget();
    help->winId();
    help->windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
    help->showForm();
    help->activateWindow();
    return {};
}

void openHelpWithF1(QObject* owner, std::function<void()> open)
{
    new HelpKey(owner, std::move(open));
}
