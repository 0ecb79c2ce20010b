#include "ui/scripted_services.h"

#include <gtest/gtest.h>

ScriptedMessages::ScriptedMessages() : m_previous(setMessageService(this)) {}

ScriptedMessages::~ScriptedMessages()
{
    setMessageService(m_previous);
    for (const Step& s : m_script)
        ADD_FAILURE() << "expected message never shown: " << qPrintable(s.title) << " / " << qPrintable(s.text);
}

ScriptedMessages& ScriptedMessages::expect(const QString& title, int answer, const QString& text)
{
    m_script.push_back({title, text, answer});
    return *this;
}

int ScriptedMessages::show(const QString& text, int style, const QString& title)
{
    m_shown.push_back({text, style, title});
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected message: " << qPrintable(title) << " / " << qPrintable(text);
        return vbCancel;
    }
    const Step step = m_script.front();
    m_script.pop_front();
    EXPECT_EQ(title, step.title) << "message text: " << qPrintable(text);
    if (!step.text.isEmpty()) {
        EXPECT_EQ(text, step.text);
    }
    return step.answer;
}

ScriptedFileDialogs::ScriptedFileDialogs() : m_previous(setFileDialogService(this)) {}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    setFileDialogService(m_previous);
    if (!m_script.empty())
        ADD_FAILURE() << m_script.size() << " scripted file dialog(s) never shown";
}

ScriptedFileDialogs& ScriptedFileDialogs::answer(const QString& fileName, int filterIndex)
{
    m_script.push_back({fileName, filterIndex});
    return *this;
}

FileDialogAnswer ScriptedFileDialogs::run(const FileDialogRequest& request)
{
    m_requests.push_back(request);
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << qPrintable(request.title);
        return {};
    }
    FileDialogAnswer a = m_script.front();
    m_script.pop_front();
    return a;
}
