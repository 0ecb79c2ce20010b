#include "platform/ui/wheel_focus.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QWheelEvent>

namespace {

// Passes the wheel over a control without the focus on to the widgets around it.
class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        const auto* control = static_cast<QWidget*>(watched);
        const QWidget* focus = QApplication::focusWidget();
        if (focus && (focus == control || control->isAncestorOf(focus)))
            return false;
        event->ignore();
        return true;
    }
};

}   // namespace

void wheelChangesOnlyFocusedControls(QWidget& window)
{
    auto* guard = new WheelGuard(&window);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!qobject_cast<QComboBox*>(control) && !qobject_cast<QAbstractSpinBox*>(control))
            continue;
        if (control->focusPolicy() == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(guard);
    }
}
