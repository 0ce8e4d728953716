#include "tests/controls/grid/gridfixture.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

std::unique_ptr<TGridEx> MakePaper() {
    auto grid = std::make_unique<TGridEx>();
    grid->setObjectName(QStringLiteral("Paper"));
    grid->SetColCount(3);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetRowCount(300);
    grid->SetDefaultRowHeight(16);
    grid->SetScrollBars(TScrollStyle::ssVertical);
    grid->SetColWidths(0, -1);
    grid->SetColWidths(1, 118);
    grid->SetColWidths(2, 25);
    grid->SetSn_ColumnaZero(false);
    grid->SetSn_Editable(false);
    grid->SetSeparadorCamps('\t');
    grid->SetOpcionsSeleccio(osPerNumeroFila);
    return grid;
}

std::unique_ptr<TGridEx> MakeAmort() {
    auto grid = std::make_unique<TGridEx>();
    grid->setObjectName(QStringLiteral("Amort"));
    grid->SetColCount(9);
    grid->SetFixedCols(0);
    grid->SetRowCount(100);
    grid->SetFixedRows(2);
    grid->SetDefaultRowHeight(18);
    grid->SetOptions(grid->Options() | goThumbTracking);
    grid->SetScrollBars(TScrollStyle::ssVertical);
    const int widths[] = {-1, 49, 44, 75, 75, 75, 75, 75, 94};
    for (int c = 0; c < 9; ++c)
        grid->SetColWidths(c, widths[c]);
    grid->SetTitols(
        {"", "Quota", "Any", "Data", "Capital", "Acum Cap", "Interès", "Acum Int", "Saldo"});
    grid->SetSn_ColumnaZero(false);
    grid->SetSn_Editable(false);
    grid->SetSeparadorCamps('\t');
    grid->SetOpcionsSeleccio(osPerNumeroFila | osTeclaIntro | osTeclaInsert);
    return grid;
}

void ShowAndFocus(TGridEx& grid, int width, int height) {
    grid.resize(width, height);
    grid.show();
    grid.activateWindow();
    grid.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
}

void WriteTape(TGridEx& grid, const std::vector<std::pair<std::string, std::string>>& rows,
               int first) {
    for (size_t i = 0; i < rows.size(); ++i) {
        grid.EscriureCella(first + static_cast<int>(i), 1, rows[i].first);
        grid.EscriureCella(first + static_cast<int>(i), 2, rows[i].second);
    }
}

std::vector<std::string> ColumnTexts(const TGridEx& grid, int col, int first, int last) {
    std::vector<std::string> texts;
    for (int r = first; r <= last; ++r)
        texts.push_back(grid.LlegirCella(r, col));
    return texts;
}

void Press(TGridEx& grid, int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &grid;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    // What the key posted (a focus move, a repaint) happens before the next key.
    QCoreApplication::processEvents();
}

QPoint CellCentre(const TGridEx& grid, int col, int row) {
    return grid.CellRect(col, row).center();
}

// Clicks reach the widget under the point: the viewport, or the header for a
// fixed row.
static QWidget* ClickTarget(TGridEx& grid, int row, QPoint& pos) {
    QWidget* target =
        row < grid.FixedRows() ? grid.horizontalHeader()->viewport() : grid.viewport();
    pos = target->mapFrom(&grid, pos);
    return target;
}

void ClickCell(TGridEx& grid, int col, int row) {
    QPoint pos = CellCentre(grid, col, row);
    ASSERT_FALSE(grid.CellRect(col, row).isEmpty()) << "cell not on screen";
    QWidget* target = ClickTarget(grid, row, pos);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, pos);
}

void DoubleClickCell(TGridEx& grid, int col, int row) {
    QPoint pos = CellCentre(grid, col, row);
    QWidget* target = ClickTarget(grid, row, pos);
    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, pos);
}
