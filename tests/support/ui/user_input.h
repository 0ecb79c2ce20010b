#pragma once

#include <QString>

class DataGrid;
class KeyedTree;
class QLineEdit;
class QWidget;

// What a user does with the keyboard and the mouse, on the real controls.

// Types a text into a text box, an editable list or a rich-text box, replacing what it holds.
void typeInto(QWidget* box, const QString& text);

// Types into a grid cell: its editor opens on the cell and the text replaces its content. The
// editor, or nullptr (a test failure) when the cell opens none.
QLineEdit* typeInCell(DataGrid& grid, int row, int column, const QString& text);
// Enter in the grid's current cell, in its open editor when it has one.
void pressEnter(DataGrid& grid);
// Ticks or clears a check-box cell with the space bar.
void tickCell(DataGrid& grid, int row, int column, bool on);

// Selects a node of the tree with the mouse (its group expanded), as a user's click does.
void clickNode(KeyedTree& tree, const QString& key);
