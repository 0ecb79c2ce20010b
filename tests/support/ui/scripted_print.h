#pragma once

#include "platform/ui/grid_print.h"

#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <deque>

// Answers the page set-up and print dialogs from a script while it lives and sends the
// program's printer to a PDF file. An unexpected dialog fails the test; so does a scripted
// answer that was never asked for.
class ScriptedPrintDialogs : public PrintDialogService {
public:
    explicit ScriptedPrintDialogs(const QString& pdfPath);
    ~ScriptedPrintDialogs() override;

    // The next page set-up dialog answers `pageSetup`; when that is OK, the print dialog after
    // it answers `print`.
    ScriptedPrintDialogs& answer(bool pageSetup, bool print = true);
    bool pageSetup(QPrinter& printer) override;
    bool print(QPrinter& printer) override;

    int dialogsShown() const { return m_shown; }
    // The user sets these margins, in inches, in the page set-up dialogs; null: none.
    ScriptedPrintDialogs& setMargins(const QMarginsF& inches);
    // The margins, in inches, that the last page set-up dialog showed.
    QMarginsF shownMargins() const { return m_shownMargins; }

private:
    bool next();

    std::deque<bool> m_script;
    int m_shown = 0;
    QMarginsF m_margins;
    QMarginsF m_shownMargins;
    PrintDialogService* m_previous;
};

// The text of every page of a PDF file, page by page; empty when the file cannot be read.
QStringList pdfPageTexts(const QString& path);
// The headings of the printed tables in page order: for each page the longest of `headings`
// that its text begins with (empty when none), once for a run of pages with the same heading.
QStringList pdfTableHeadings(const QString& path, const QStringList& headings);
// Whether the text of every page lies inside the page.
bool pdfTextInsidePages(const QString& path);

// The size of the smallest text of a PDF file, as pdftotext (poppler-utils) measures the height
// of its words, in points when its largest text is `largestPoints`.
double pdfSmallestTextPoints(const QString& path, double largestPoints);

// Every caption of a printed grid prints whole, broken only at blanks; no page holds one column
// beside the first.
void expectColumnPagesEven(const QString& path, const GridModel& grid);
