#pragma once

// The operations of a table window. The print window prints through the first and the main
// window's Export to Table exports through the second, so a window that names one of them
// without carrying it out does not compile.

// A window whose table prints.
class PrintableTable {
public:
    // Prints the table; the first table of a print command shows the page set-up and print
    // dialogs, the later ones continue its job.
    virtual void PrintTable(bool FirstPrint) = 0;

protected:
    ~PrintableTable() = default;
};

// A window whose table can be written to a file.
class ExportableTable {
public:
    // Asks for a file and writes the table to it.
    virtual void ExportToTable() = 0;

protected:
    ~ExportableTable() = default;
};
