#include "ui/scripted_services.h"

#include "platform/ui/grid_print.h"

#include <gtest/gtest.h>

namespace {

// In place of every real dialog: one that no script answers fails the test and counts as cancelled.
class Unscripted final : public MessageService, public FileDialogService, public PrintDialogService {
public:
    int show(const QString& text, int, const QString& title) override
    {
        ADD_FAILURE() << "unscripted message: " << qPrintable(title) << " / " << qPrintable(text);
        return vbCancel;
    }
    FileDialogAnswer run(const FileDialogRequest& request) override
    {
        ADD_FAILURE() << "unscripted file dialog: " << qPrintable(request.title);
        return {};
    }
    bool pageSetup(QPrinter&) override { return failed("page set-up"); }
    bool print(QPrinter&) override { return failed("print"); }

private:
    static bool failed(const char* dialog)
    {
        ADD_FAILURE() << "unscripted " << dialog << " dialog";
        return false;
    }
};

}   // namespace

void installUnscriptedDialogs()
{
    static Unscripted unscripted;
    setMessageService(&unscripted);
    setFileDialogService(&unscripted);
    setPrintDialogService(&unscripted);
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
