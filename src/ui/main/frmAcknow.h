#pragma once

#include "platform/ui/forms.h"

#include <QPoint>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

#include <array>

// The information pages: acknowledgements, objective, mission, and procedure and results, paged
// with the two navigation buttons along the top. A child window of the main window.
class frmAcknow : public FormWindow {
    Q_OBJECT
public:
    frmAcknow();

    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdClose = nullptr;
    QTextBrowser* rtfAcknowledge = nullptr;

    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdClose_Click();

    // 1 Acknowledgements, 2 Objective, 3 Mission, 4 Procedure and Results.
    int currentPage() const { return m_page; }
    // Where the window last moved the mouse pointer, in screen pixels; null before any move.
    QPoint pointerTarget() const { return m_pointerTarget; }

protected:
    // Opens at the page the menu command chose.
    void formLoad() override;
    // Form_Resize: the text fills the window below the button row.
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layOutPage(int page);
    void movePointerOnto(QPushButton* button);

    int m_page = 1;
    std::array<QString, 4> m_pages;
    QPoint m_pointerTarget;
    QPointer<QPushButton> m_pointerOnShow;
};
