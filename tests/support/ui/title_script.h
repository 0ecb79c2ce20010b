#pragma once

#include <QTimer>

#include <deque>
#include <functional>

class frmTitle;

// Runs one scripted step each time the importers' title prompt stands open, while the prompt's
// modal loop runs. Steps that never ran fail the test.
class TitleScript {
public:
    explicit TitleScript(std::deque<std::function<void(frmTitle*)>> steps);
    ~TitleScript();

private:
    std::deque<std::function<void(frmTitle*)>> m_steps;
    QTimer m_timer;
};

// Replaces the prompt's text with `text`, as typed.
void typeTitle(frmTitle* prompt, const QString& text);
// Types `text` and clicks "Finished".
void finishTitle(frmTitle* prompt, const QString& text);
