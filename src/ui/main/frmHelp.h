#pragma once

#include "platform/db/result.h"
#include "platform/ui/forms.h"

#include <QPushButton>
#include <QTextBrowser>

#include <functional>

// The help window: the program's help pages, read-only, in a window of their own beside the
// main window, with their contents page and the way back and forward through the pages read.
class frmHelp : public FormWindow {
    Q_OBJECT
public:
    frmHelp();

    bool isMdiChild() const override { return false; }

    // Shows the page of the file at `path`.
    void showPage(const QString& path);

    QPushButton* cmdContents;
    QPushButton* cmdBack;
    QPushButton* cmdForward;
    QTextBrowser* txtHelp;

protected:
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QUrl m_contents;
};

// The contents page of the help: the program folder followed by "/Help/index.html".
QString helpIndexPath();
// Opens the help window at its contents page; fails when the page cannot be read.
Status showHelp();
// Runs `open` when F1 is pressed in any window of the program while `owner` lives.
void openHelpWithF1(QObject* owner, std::function<void()> open);
