#include "ui/scripted_services.h"

#include <gtest/gtest.h>

namespace {

class UnscriptedMessages : public MessageService {
public:
    int show(const QString& text, int, const QString& title) override
    {
        ADD_FAILURE() << "unscripted message: " << qPrintable(title) << " / " << qPrintable(text);
        return vbCancel;
    }
};

class UnscriptedFileDialogs : public FileDialogService {
public:
    FileDialogAnswer run(const FileDialogRequest& request) override
    {
        ADD_FAILURE() << "unscripted file dialog: " << qPrintable(request.title);
        return {};
    }
};

class UnscriptedPrintDialogs : public PrintDialogService {
public:
    bool pageSetup(QPrinter&) override
    {
        ADD_FAILURE() << "unscripted page set-up dialog";
        return false;
    }
    bool print(QPrinter&) override
    {
        ADD_FAILURE() << "unscripted print dialog";
        return false;
    }
};

}   // namespace

const UnscriptedDialogs& unscriptedDialogs()
{
    static UnscriptedMessages messages;
    static UnscriptedFileDialogs files;
    static UnscriptedPrintDialogs prints;
    static const UnscriptedDialogs dialogs{messages, files, prints};
    return dialogs;
}

void installUnscriptedDialogs()
{
    setMessageService(&unscriptedDialogs().messages);
    setFileDialogService(&unscriptedDialogs().files);
    setPrintDialogService(&unscriptedDialogs().prints);
}

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
