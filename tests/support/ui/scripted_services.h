#pragma once

#include "platform/ui/common_dialog.h"
#include "platform/ui/message_box.h"

#include <QString>

#include <deque>

// Answers message boxes from a script while it lives. A message that the script does not
// expect fails the test; so does a scripted message that never came.
class ScriptedMessages : public MessageService {
public:
    struct Shown {
        QString text;
        int style;
        QString title;
    };

    ScriptedMessages();
    ~ScriptedMessages() override;

    // The next message must have this title (and, when given, this text); it gets `answer`.
    ScriptedMessages& expect(const QString& title, int answer = vbOK, const QString& text = QString());
    int show(const QString& text, int style, const QString& title) override;

    const std::vector<Shown>& shown() const { return m_shown; }
    bool done() const { return m_script.empty(); }

private:
    struct Step {
        QString title;
        QString text;
        int answer;
    };
    std::deque<Step> m_script;
    std::vector<Shown> m_shown;
    MessageService* m_previous;
};

// Answers file dialogs with scripted names; an unexpected dialog fails the test.
class ScriptedFileDialogs : public FileDialogService {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;

    // The next dialog returns `fileName` (empty: cancelled) with the given filter index.
    ScriptedFileDialogs& answer(const QString& fileName, int filterIndex = 1);
    FileDialogAnswer run(const FileDialogRequest& request) override;

    const std::vector<FileDialogRequest>& requests() const { return m_requests; }

private:
    std::deque<FileDialogAnswer> m_script;
    std::vector<FileDialogRequest> m_requests;
    FileDialogService* m_previous;
};

// The services a test program starts with, in place of the real dialogs: a message box, file
// dialog or print dialog that no script answers fails the test at once and counts as cancelled,
// where a real one would wait for an answer that no one gives.
void installUnscriptedDialogs();
