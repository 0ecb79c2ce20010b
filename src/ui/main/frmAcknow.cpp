#include "ui/main/frmAcknow.h"

#include "platform/ui/geometry.h"
#include "ui/common/ui_state.h"
#include "ui/main/info_texts.h"

#include <QCursor>
#include <QTimer>

namespace {

constexpr double kMargin = 120;
constexpr double kButtonTop = 120;
constexpr double kButtonHeight = 375;
constexpr double kButtonGap = 100;
constexpr double kPageButtonWidth = 3495;
constexpr double kCloseWidth = 1455;
constexpr double kTextTop = kButtonTop + kButtonHeight + kMargin;
constexpr double kSmallestTextHeight = 1440;

struct PageButtons {
    const char* previous;   // nullptr: hidden
    const char* next;
};

const PageButtons kPageButtons[4] = {
    {nullptr, " View TOVI Objective Statement >>"},
    {"<< View Acknowledgements", " View TOVI Mission Statement >>"},
    {"<< View TOVI Objective Statement", " View Procedure and Results >>"},
    {"<< View TOVI Mission Statement", nullptr},
};

const InfoText kPageTexts[4] = {InfoText::Acknowledgements, InfoText::Objective, InfoText::Mission,
                                InfoText::Procedure};

}   // namespace

frmAcknow::frmAcknow()
{
    setWindowTitle(QStringLiteral("TOVI Information"));
    auto button = [this](const char* name, double width) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(b, kMargin, kButtonTop, width, kButtonHeight);
        return b;
    };
    cmdPrev = button("cmdPrev", kPageButtonWidth);
    cmdNext = button("cmdNext", kPageButtonWidth);
    cmdClose = button("cmdClose", kCloseWidth);
    cmdClose->setText(QStringLiteral("Close"));
    rtfAcknowledge = new QTextBrowser(this);
    rtfAcknowledge->setObjectName(QStringLiteral("rtfAcknowledge"));
    rtfAcknowledge->setOpenLinks(false);

    connect(cmdPrev, &QPushButton::clicked, this, &frmAcknow::cmdPrev_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmAcknow::cmdNext_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmAcknow::cmdClose_Click);
    // The longest row of buttons and an inch of text.
    setMinimumSize(twipsToPx(2 * kMargin + 2 * kPageButtonWidth + kCloseWidth + 2 * kButtonGap),
                   twipsToPx(kTextTop + kSmallestTextHeight + kMargin));
}

void frmAcknow::formLoad()
{
    resizeTwips(9360, 7560);
    m_page = 1;
    for (int i = 0; i < 4; ++i)
        m_pages[size_t(i)] = infoText(kPageTexts[i]);
    const int page = uiState().gAcknowPage;
    layOutPage(page >= 1 && page <= 4 ? page : 1);
    if (m_page == 4)
        movePointerOnto(cmdPrev);
}

void frmAcknow::layOutPage(int page)
{
    const PageButtons& captions = kPageButtons[page - 1];
    cmdPrev->setVisible(captions.previous != nullptr);
    cmdNext->setVisible(captions.next != nullptr);
    if (captions.previous)
        cmdPrev->setText(QString::fromLatin1(captions.previous));
    if (captions.next)
        cmdNext->setText(QString::fromLatin1(captions.next));
    double left = kMargin;
    for (QPushButton* b : {cmdPrev, cmdNext, cmdClose}) {
        if (b->isHidden())
            continue;
        const double width = b == cmdClose ? kCloseWidth : kPageButtonWidth;
        placeTwips(b, left, kButtonTop, width, kButtonHeight);
        left += width + kButtonGap;
    }
    rtfAcknowledge->setHtml(m_pages[size_t(page - 1)]);
    m_page = page;
}

void frmAcknow::cmdNext_Click()
{
    switch (m_page) {
    case 1:
        layOutPage(2);
        movePointerOnto(cmdNext);
        break;
    case 2:
        layOutPage(3);
        break;
    case 3:
        layOutPage(4);
        movePointerOnto(cmdPrev);
        break;
    default:
        break;
    }
}

void frmAcknow::cmdPrev_Click()
{
    if (m_page > 1)
        layOutPage(m_page - 1);
}

void frmAcknow::cmdClose_Click()
{
    unload();
}

void frmAcknow::resizeEvent(QResizeEvent* event)
{
    FormWindow::resizeEvent(event);
    const double width = pxToTwips(this->width()) - 2 * kMargin;
    const double height = pxToTwips(this->height()) - kTextTop - kMargin;
    placeTwips(rtfAcknowledge, kMargin, kTextTop, qMax(width, 0.0), qMax(height, 0.0));
}

void frmAcknow::showEvent(QShowEvent* event)
{
    FormWindow::showEvent(event);
    // A window shown for the first time takes its place only now.
    if (m_pointerOnShow)
        QTimer::singleShot(0, this, [this] {
            if (m_pointerOnShow)
                movePointerOnto(m_pointerOnShow);
        });
}

void frmAcknow::movePointerOnto(QPushButton* button)
{
    if (!isVisible()) {
        m_pointerOnShow = button;
        return;
    }
    m_pointerOnShow = nullptr;
    m_pointerTarget = button->mapToGlobal(button->rect().center());
    QCursor::setPos(m_pointerTarget);
}
