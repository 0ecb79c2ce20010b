#pragma once

#include "ui/common/result_grid_window.h"

// The further cell styles of the maximum allowable concentration windows.
inline const QString kMaxAllow = QStringLiteral("MaxAllow");
inline const QString kMaxAllowDL = QStringLiteral("MaxAllowDL");
inline const QString kAsterisk = QStringLiteral("Asterisk");

// The "*" that stands for a value that rests on a detection limit.
inline const QString kDetectionLimitMark = QStringLiteral("*");

// Every cell of a non-detect row in DetLim, but a cell that shows "*" in Asterisk.
void styleNonDetectMarkedRow(GridRowStyle& row);

// A maximum allowable concentration window: the heading of its first column states the open
// analysis's target risk and target hazard quotient as they were when the window loaded.
// Without a readable waste unit record the window shows its columns and nothing else.
class ScreenResultsWindow : public ResultGridWindow {
    Q_OBJECT
protected:
    using ResultGridWindow::ResultGridWindow;

    // The columns; the first headed "Chemical Name".
    virtual void setupScreenColumns(GridModel& grid) = 0;

    void setupColumns(GridModel& grid) final;
    void formLoad() override;

private:
    // Heads the first column with the targets read when the window loaded.
    void SetChemNameCaption(GridModel& grid);

    QString m_chemNameCaption;
};
