#pragma once

#include <QString>
#include <QTimer>

#include <deque>
#include <functional>

class QDialog;

// Answers modal dialogs from a script while it lives: each time a modal dialog stands open,
// the next step must name it (its objectName) and gets it, while the dialog's modal loop runs.
// Another dialog fails the test and is closed; steps that never ran fail the test too.
class ModalScript {
public:
    using Step = std::function<void(QDialog*)>;

    ModalScript();
    ~ModalScript();

    ModalScript& expect(const QString& dialogName, Step step);
    int ran() const { return m_ran; }

private:
    std::deque<std::pair<QString, Step>> m_steps;
    QTimer m_timer;
    int m_ran = 0;
};

// A step that closes the dialog with its close box.
void closeWithCloseBox(QDialog* dialog);
