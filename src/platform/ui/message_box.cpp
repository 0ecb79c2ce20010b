#include "platform/ui/message_box.h"

#include "platform/ui/service_slot.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A box whose question guards typed input: with Yes and No and no Cancel it has no neutral
// answer, so Escape and the close button leave it open until a button is chosen.
class QuestionBox : public QMessageBox {
public:
    QuestionBox(QWidget* parent, bool dismissable) : QMessageBox(parent), m_dismissable(dismissable) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!m_dismissable && event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (!m_dismissable) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool m_dismissable;
};

class DialogMessageService : public MessageService {
public:
    int show(const QString& text, int style, const QString& title) override
    {
        QuestionBox box(QApplication::activeWindow(), (style & 0x7) != vbYesNo);
        box.setWindowTitle(title);
        box.setText(text);
        switch (style & 0x70) {
        case vbCritical:
            box.setIcon(QMessageBox::Critical);
            break;
        case vbQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        case vbExclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case vbInformation:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
        }
        struct Button {
            QMessageBox::StandardButton button;
            int answer;
        };
        std::vector<Button> buttons;
        switch (style & 0x7) {
        case vbOKCancel:
            buttons = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
            break;
        case vbAbortRetryIgnore:
            buttons = {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
            break;
        case vbYesNoCancel:
            buttons = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
            break;
        case vbYesNo:
            buttons = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
            break;
        case vbRetryCancel:
            buttons = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
            break;
        default:
            buttons = {{QMessageBox::Ok, vbOK}};
            break;
        }
        for (const Button& b : buttons)
            box.addButton(b.button);
        const size_t defaultIndex = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
        if (defaultIndex < buttons.size())
            box.setDefaultButton(buttons[defaultIndex].button);
        box.exec();
        const auto clicked = box.standardButton(box.clickedButton());
        for (const Button& b : buttons)
            if (b.button == clicked)
                return b.answer;
        // Closed without a button: the answer of Cancel where there is one, else of the only button.
        for (const Button& b : buttons)
            if (b.answer == vbCancel)
                return vbCancel;
        return buttons.back().answer;
    }
};

MessageService* g_service = nullptr;

MessageService& service()
{
    return installedService(g_service, messageBoxService(), "message box");
}

}   // namespace

MessageService& messageBoxService()
{
    static DialogMessageService dialogs;
    return dialogs;
}

MessageService* setMessageService(MessageService* s)
{
    MessageService* previous = g_service;
    g_service = s;
    return previous;
}

int MsgBox(const QString& text, int style, const QString& title)
{
    return service().show(text, style, title);
}

QString generalErrorText(const Error& error)
{
    return QStringLiteral("The program experienced the following error: ") + error.description
           + QStringLiteral("\r\nError Number: ") + QString::number(error.number);
}

void showGeneralError(const Error& error, const QString& title)
{
    MsgBox(generalErrorText(error), vbInformation, title);
}
