#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "controls/grid/gridstore.h"

namespace {

using namespace std::string_literals;

TEST(TGridStoreTest, CellsKeepTheirTextsWhateverTheirNeighbours) {
    TGridStore store(4, 5);
    store.SetCell(1, 3, "x");  // the cells before it are empty
    EXPECT_EQ(store.Cell(1, 0), "");
    EXPECT_EQ(store.Cell(1, 3), "x");
    EXPECT_EQ(store.Cell(1, 4), "");

    const std::string long1(200, 'a');    // a two-byte length
    const std::string long2(20000, 'b');  // a three-byte length
    const std::string withNul = "a\0b"s;  // any byte, NUL included
    store.SetCell(1, 0, long1);
    store.SetCell(1, 1, withNul);
    store.SetCell(1, 2, long2);
    EXPECT_EQ(store.Cell(1, 0), long1);
    EXPECT_EQ(store.Cell(1, 1), withNul);
    EXPECT_EQ(store.Cell(1, 2), long2);
    EXPECT_EQ(store.Cell(1, 3), "x");

    // Shorter and longer replacements in the middle leave the rest alone.
    EXPECT_EQ(store.SetCell(1, 2, "c"), long2);
    EXPECT_EQ(store.SetCell(1, 0, long2), long1);
    EXPECT_EQ(store.Cell(1, 0), long2);
    EXPECT_EQ(store.Cell(1, 1), withNul);
    EXPECT_EQ(store.Cell(1, 2), "c");
    EXPECT_EQ(store.Cell(1, 3), "x");
}

TEST(TGridStoreTest, PositionsOutsideAreEmptyAndIgnored) {
    TGridStore store(3, 3);
    EXPECT_EQ(store.SetCell(-1, 0, "a"), "");
    EXPECT_EQ(store.SetCell(0, 3, "a"), "");
    EXPECT_EQ(store.SetCell(3, 0, "a"), "");
    EXPECT_EQ(store.Cell(-1, 0), "");
    EXPECT_EQ(store.Cell(0, -1), "");
    EXPECT_EQ(store.Cell(99, 99), "");
    EXPECT_EQ(store.LastUsedRow(), -1);
    store.MoveRow(-1, 2);
    store.MoveRow(0, 3);
    store.RemoveRow(5);
    EXPECT_EQ(store.RowCount(), 3);
}

TEST(TGridStoreTest, ARowWhoseCellsAreAllClearedIsEmpty) {
    TGridStore store(3, 4);
    store.SetCell(2, 1, "a");
    store.SetCell(2, 3, "b");
    EXPECT_FALSE(store.RowIsEmpty(2));
    store.SetCell(2, 3, "");
    EXPECT_FALSE(store.RowIsEmpty(2));
    EXPECT_EQ(store.Cell(2, 1), "a");
    store.SetCell(2, 1, "");
    EXPECT_TRUE(store.RowIsEmpty(2));
    EXPECT_EQ(store.LastUsedRow(), -1);
}

TEST(TGridStoreTest, FewerColumnsDropTheCellsBeyond) {
    TGridStore store(3, 4);
    store.SetCell(0, 0, "keep");
    store.SetCell(2, 3, "gone");
    store.SetColCount(3);
    EXPECT_EQ(store.LastUsedRow(), 0);
    store.SetColCount(4);
    EXPECT_EQ(store.Cell(2, 3), "");
    EXPECT_EQ(store.Cell(0, 0), "keep");
}

// The cached last used row against a plain rectangle of strings, over a long
// run of random writes, moves, removals and resizes.
class NaiveGrid {
public:
    NaiveGrid(int rows, int cols) : cells_(rows, std::vector<std::string>(cols)), cols_(cols) {}
    void Set(int r, int c, const std::string& t) {
        if (r >= 0 && r < Rows() && c >= 0 && c < cols_) cells_[r][c] = t;
    }
    void Move(int from, int to) {
        auto row = cells_[from];
        cells_.erase(cells_.begin() + from);
        cells_.insert(cells_.begin() + to, row);
    }
    void Remove(int r) { cells_.erase(cells_.begin() + r); }
    void Resize(int rows) { cells_.resize(rows, std::vector<std::string>(cols_)); }
    int Rows() const { return static_cast<int>(cells_.size()); }
    int LastUsed() const {
        for (int r = Rows() - 1; r >= 0; --r) {
            for (const auto& t : cells_[r]) {
                if (!t.empty()) return r;
            }
        }
        return -1;
    }
    const std::string& Cell(int r, int c) const { return cells_[r][c]; }

private:
    std::vector<std::vector<std::string>> cells_;
    int cols_;
};

TEST(TGridStoreTest, LastUsedRowFollowsEveryChange) {
    std::mt19937 random(20240105);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    TGridStore store(30, 3);
    NaiveGrid naive(30, 3);
    for (int step = 0; step < 20000; ++step) {
        const int rows = store.RowCount();
        switch (pick(10)) {
            case 0: {
                const int from = pick(rows), to = pick(rows);
                store.MoveRow(from, to);
                naive.Move(from, to);
                break;
            }
            case 1:
                if (rows > 1) {
                    const int r = pick(rows);
                    store.RemoveRow(r);
                    naive.Remove(r);
                }
                break;
            case 2: {
                const int n = 1 + pick(40);
                store.SetRowCount(n);
                naive.Resize(n);
                break;
            }
            default: {
                const int r = pick(rows), c = pick(3);
                const std::string text = pick(2) == 0 ? "" : std::to_string(pick(100));
                store.SetCell(r, c, text);
                naive.Set(r, c, text);
            }
        }
        // Asked now and then, so that several changes pile up between asks.
        if (pick(3) == 0) {
            ASSERT_EQ(store.LastUsedRow(), naive.LastUsed()) << "step " << step;
        }
    }
    for (int r = 0; r < store.RowCount(); ++r) {
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(store.Cell(r, c), naive.Cell(r, c));
    }
}

}  // namespace
