#pragma once

#include "platform/ui/grid_model.h"

#include <QFont>
#include <QPrinter>
#include <QString>

// The page set-up and print dialogs. Replaced in tests by scripted answers.
class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;
    // Each returns false when the user cancelled.
    virtual bool pageSetup(QPrinter& printer) = 0;
    virtual bool print(QPrinter& printer) = 0;
};

// Installs a service (nullptr: none) and returns the one it replaces.
PrintDialogService* setPrintDialogService(PrintDialogService* service);
// The real page set-up and print dialogs, which the program installs.
PrintDialogService& printDialogService();

// The program's printer; it keeps the user's choices between print jobs. Landscape at first.
QPrinter& programPrinter();

// What a table window's print set-up fills before one of its grids prints.
struct GridPrintSetup {
    QString header;
    QFont headerFont;
    // A TAB puts the text before it on the left and the text after it on the right of the page;
    // "<page number>" becomes the number of the page. Empty: no footer.
    QString footer;
    QFont footerFont;
    double marginTopBottom = 0.75;   // inches
    double marginLeftRight = 0.25;   // inches
};

// How the job of the current print command stands: printing (or not started yet), cancelled in
// its dialogs, or failed because the printer or its output file could not be written.
enum class PrintJobState { Printing, Cancelled, Failed };

// One print command, such as the print window's Print: every grid printed while it lives goes
// into one print job, which ends when the last command goes away.
class PrintCommand {
public:
    PrintCommand();
    ~PrintCommand();
    PrintJobState state() const;
    // Ends the job now, so that its output is complete, and gives how it ended.
    PrintJobState finish();
    PrintCommand(const PrintCommand&) = delete;
    PrintCommand& operator=(const PrintCommand&) = delete;
};

// Prints every row and column of a grid, with its group and column captions repeated on each
// page, scaled down to the page width when wider but its text to no less than 7 pt: the columns
// that do not fit then continue on the following pages, each beginning with the first column,
// spread evenly over those pages. A caption breaks only at blanks, and its column is at least as
// wide as the longest word of it.
// A printout to a file replaces the file only once complete. With firstPrint a new job starts
// and the page set-up and print dialogs are shown first; otherwise the grid continues the job of
// the current print command on a new page, without dialogs. The page set-up dialog shows the
// grid's margins; each margin the user changes there is the job's for every grid. Once the
// dialogs of a command were cancelled, or its printer could not start, nothing more prints in
// that command. Outside a print command each call is a job of its own. False when nothing was
// printed.
bool printGrid(const GridModel& grid, const GridPrintSetup& setup, bool firstPrint);
