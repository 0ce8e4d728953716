#pragma once

// Grids shaped as the program's two forms shape them, and helpers to drive
// them with real key and mouse events.

#include <QPoint>
#include <memory>
#include <string>
#include <vector>

#include "controls/grid/gridex.h"

// The tape: 3 columns (0 hidden, value 118, operator 25), no fixed rows or
// columns, 300 rows of 16 pixels, row selection by number, tab separator.
std::unique_ptr<TGridEx> MakePaper();
// The amortization table: 9 columns with titles, 2 fixed rows, 100 rows of
// 18 pixels, Enter and Insert toggling the selection.
std::unique_ptr<TGridEx> MakeAmort();

// Shows the grid in a window of its own and gives it the focus.
void ShowAndFocus(TGridEx& grid, int width = 220, int height = 200);

// Writes value and operator rows from row `first` on (column 1 and 2).
void WriteTape(TGridEx& grid, const std::vector<std::pair<std::string, std::string>>& rows,
               int first = 0);
// Column `col` of rows first .. last.
std::vector<std::string> ColumnTexts(const TGridEx& grid, int col, int first, int last);

// Keys and clicks as the user gives them.
void Press(TGridEx& grid, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void ClickCell(TGridEx& grid, int col, int row);
void DoubleClickCell(TGridEx& grid, int col, int row);
// The centre of a cell in the widget that receives its clicks.
QPoint CellCentre(const TGridEx& grid, int col, int row);
