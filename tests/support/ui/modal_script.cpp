#include "ui/modal_script.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include <gtest/gtest.h>

ModalScript::ModalScript()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (m_steps.empty() || m_steps.front().first != dialog->objectName()) {
            ADD_FAILURE() << "unexpected dialog: " << qPrintable(dialog->objectName());
            dialog->reject();
            return;
        }
        Step step = std::move(m_steps.front().second);
        m_steps.pop_front();
        ++m_ran;
        QPointer<QDialog> shown = dialog;
        step(dialog);
        if (shown && shown->isVisible()) {
            ADD_FAILURE() << "the step left " << qPrintable(shown->objectName()) << " open";
            shown->reject();
        }
    });
    m_timer.start(5);
}

ModalScript::~ModalScript()
{
    for (const auto& step : m_steps)
        ADD_FAILURE() << "expected dialog never shown: " << qPrintable(step.first);
}

ModalScript& ModalScript::expect(const QString& dialogName, Step step)
{
    m_steps.emplace_back(dialogName, std::move(step));
    return *this;
}

void closeWithCloseBox(QDialog* dialog)
{
    dialog->close();
}
