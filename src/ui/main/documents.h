#pragma once

#include <QString>

#include <vector>

// The documents the viewer shows, each a PDF file in the Documents folder of the program folder.
struct DocumentRow {
    int labelIndex;         // the lblWEXT label that opens it; -1 for none
    const char* menuItem;   // the control name of its menu item
    const char* file;       // its file name in Documents/
    const char* suffix;     // what its caption adds to the viewer's first caption
};

// Every document, in the order of the Documents menu, then the changes document.
const std::vector<DocumentRow>& documentRows();
// The row of a file name of the table; nullptr for any other.
const DocumentRow* documentRow(const QString& file);

// The path of a document file: the program folder, "/Documents/" and the file name.
QString documentPath(const QString& file);

// Opens a document afresh: unloads the viewer, gives it its first caption followed by the
// row's suffix, shows it and loads the file at its first page.
void openDocument(const DocumentRow& row);
// The changes document, as the start-up's changes notice and the Help menu open it.
void showChangesDocument();
