#include "platform/ui/forms.h"

#include "platform/ui/geometry.h"
#include "platform/ui/wheel_focus.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>

#include <utility>

namespace {
QPointer<QMdiArea> g_area;

// What a child window's frame holds: the window, scrolled when the frame is smaller than the
// window's minimum size. The frame shows the window's caption and closes through the window.
class FormContent : public QScrollArea {
public:
    explicit FormContent(FormWindow* form)
    {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
        setWidgetResizable(true);
        setWidget(form);
        setWindowTitle(form->windowTitle());
        form->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == widget() && event->type() == QEvent::WindowTitleChange)
            setWindowTitle(widget()->windowTitle());
        return QScrollArea::eventFilter(watched, event);
    }

    void closeEvent(QCloseEvent* event) override { event->setAccepted(!widget() || widget()->close()); }
};

}   // namespace

FormWindow::FormWindow(QWidget* parent) : QWidget(parent) {}

QWidget* FormWindow::frame() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub;
    return const_cast<FormWindow*>(this);
}

FormWindow* FormWindow::inFrame(const QMdiSubWindow* frame)
{
    const auto* content = frame ? qobject_cast<const QScrollArea*>(frame->widget()) : nullptr;
    return content ? qobject_cast<FormWindow*>(content->widget()) : nullptr;
}

int FormWindow::leftTwips() const
{
    return int(std::lround(pxToTwips(frame()->x())));
}
int FormWindow::topTwips() const
{
    return int(std::lround(pxToTwips(frame()->y())));
}
int FormWindow::widthTwips() const
{
    return int(std::lround(pxToTwips(frame()->width())));
}
int FormWindow::heightTwips() const
{
    return int(std::lround(pxToTwips(frame()->height())));
}

void FormWindow::moveTwips(double left, double top)
{
    frame()->move(twipsToPx(left), twipsToPx(top));
}

void FormWindow::resizeTwips(double width, double height)
{
    frame()->resize(twipsToPx(width), twipsToPx(height));
}

int FormWindow::windowStateCode() const
{
    if (m_hiddenState && frame()->isHidden())
        return *m_hiddenState;
    const Qt::WindowStates s = frame()->windowState();
    if (s & Qt::WindowMinimized)
        return vbMinimized;
    if (s & Qt::WindowMaximized)
        return vbMaximized;
    return vbNormal;
}

void FormWindow::setWindowStateCode(int state)
{
    QWidget* f = frame();
    // A hidden child window takes the state when it is shown: the area shows a sub-window whose
    // state changes, and restores every maximised one when another one shows.
    if (qobject_cast<QMdiSubWindow*>(f) && f->isHidden()) {
        m_hiddenState = state;
        return;
    }
    // Any other hidden window takes the state and stays hidden until it is shown.
    const bool hidden = !f->isVisible();
    // Minimising a child window ends the area's maximised display, as in an MDI frame: the
    // area would otherwise maximise the next window it activates.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(f); sub && sub->mdiArea() && state == vbMinimized)
        for (QMdiSubWindow* other : sub->mdiArea()->subWindowList())
            if (other->isMaximized())
                other->showNormal();
    // Only the minimised and maximised flags change: dropping the active flag of a sub-window
    // would count as a change of state and resize it.
    Qt::WindowStates states = f->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (state == vbMinimized)
        states |= Qt::WindowMinimized;
    else if (state == vbMaximized)
        states |= Qt::WindowMaximized;
    f->setWindowState(states);
    if (hidden)
        f->hide();
}

void FormWindow::showForm()
{
    QWidget* f = frame();
    if (f != this)
        show();
    f->show();
    if (const std::optional<int> state = std::exchange(m_hiddenState, std::nullopt))
        setWindowStateCode(*state);
    f->raise();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(f); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
}

void FormWindow::hideForm()
{
    QWidget* f = frame();
    if (qobject_cast<QMdiSubWindow*>(f) && f->isVisible()) {
        m_hiddenState = windowStateCode();
        f->setWindowState(f->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    }
    f->hide();
}

bool FormWindow::unload()
{
    if (m_unloaded)
        return true;
    // The area would make another window the active one when a hidden window goes.
    auto* sub = qobject_cast<QMdiSubWindow*>(frame());
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    const QPointer<QMdiSubWindow> active = area && sub->isHidden() ? area->activeSubWindow() : nullptr;
    const bool closed = frame()->close();
    if (active && active != sub && area->activeSubWindow() != active)
        area->setActiveSubWindow(active);
    return closed;
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    if (!queryUnload()) {
        event->ignore();
        return;
    }
    m_unloaded = true;
    formUnload();
    Forms::forget(this);
    event->accept();
}

bool pressFocusedButton(const QKeyEvent& event, QWidget* focus)
{
    const bool enter = (event.key() == Qt::Key_Return && event.modifiers() == Qt::NoModifier)
                       || (event.key() == Qt::Key_Enter && (event.modifiers() & ~Qt::KeypadModifier) == 0);
    auto* button = qobject_cast<QPushButton*>(focus);
    if (!enter || !button || !button->hasFocus())
        return false;
    button->click();
    return true;
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (!pressFocusedButton(*event, focusWidget()))
        QWidget::keyPressEvent(event);
}

QHash<QString, QPointer<FormWindow>>& Forms::registry()
{
    static QHash<QString, QPointer<FormWindow>> forms;
    return forms;
}

void Forms::setMdiArea(QMdiArea* area)
{
    g_area = area;
}

QMdiArea* Forms::mdiArea()
{
    return g_area.data();
}

FormWindow* Forms::find(const QString& name)
{
    auto it = registry().find(name);
    if (it == registry().end())
        return nullptr;
    if (it->isNull() || (*it)->m_unloaded) {
        registry().erase(it);
        return nullptr;
    }
    return it->data();
}

bool Forms::unload(const QString& name)
{
    FormWindow* form = find(name);
    return form ? form->unload() : true;
}

bool Forms::mayUnload(const QString& name)
{
    FormWindow* form = find(name);
    return !form || form->queryUnload();
}

void Forms::adopt(FormWindow* form, const QString& name)
{
    form->setObjectName(name);
    registry().insert(name, form);
    if (form->isMdiChild() && g_area) {
        QMdiSubWindow* sub = g_area->addSubWindow(new FormContent(form));
        sub->setObjectName(name + QStringLiteral("Frame"));
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->hide();
    } else {
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->hide();
    }
    wheelChangesOnlyFocusedControls(*form);
    form->formLoad();
}

void Forms::forget(FormWindow* form)
{
    const QString name = form->objectName();
    auto it = registry().find(name);
    if (it != registry().end() && it->data() == form)
        registry().erase(it);
}
