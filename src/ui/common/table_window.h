#pragma once

#include "platform/ui/grid_model.h"
#include "platform/ui/grid_print.h"

#include <QString>

// The print and export operations that every table window shares.

inline const QString kTableExportFilter =
    QStringLiteral("Table Export (*.html)|*.html|MS Excel Tab Delimited Text File (*.txt)|*.txt");

// The file an export writes: for HTML the chosen name, with ".html" appended unless it holds
// ".htm" anywhere; for text the same with ".txt". Both tests are case-sensitive.
QString exportTargetName(const QString& chosen, bool html);

// The path of the HTML template in the program folder.
QString htmlTemplatePath();

// Asks for a file through the main window's file dialog and writes the grid to it, as HTML
// through the template (first filter) or as tab-delimited text; a cancelled dialog does nothing
// and a failure is reported. `title` goes in place of the template's title marker.
void exportGridToTable(const GridModel& grid, const QString& title);

// "Results for Analysis: " followed by the name of the open analysis.
QString resultsFooter();

// The analysis whose rows a window loaded: the one open when the window was made.
class LoadedAnalysis {
public:
    LoadedAnalysis();
    // "Results for Analysis: " followed by the analysis's name: while it is open, as
    // resultsFooter() gives it; after another was opened, its stored name, or its name at
    // loading when it is no longer stored.
    QString footer() const;

private:
    qint32 m_key;
    QString m_name;
};

// The print set-up of a table window: the header in the grid's font, bold 12 pt, the footer in
// bold 10 pt, margins 0.75 inch top and bottom and 0.25 inch left and right.
GridPrintSetup tablePrintSetup(const GridModel& grid, const QString& header, const QString& footer);
