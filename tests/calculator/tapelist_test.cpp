// The list of open tapes reads whatever its file holds: tapes in order with
// their names, the one in use, and never a file that is not the window's own.

#include <gtest/gtest.h>

#include "calculator/tapelist.h"
#include "tests/support/tablecases.h"

namespace {

struct ListCase {
    const char* name;
    const char* text;
    // "file:name" a tape, the first one's file empty.
    std::vector<std::string> tapes;
    int current;
    friend std::ostream& operator<<(std::ostream& os, const ListCase& c) { return os << c.name; }
};

std::vector<std::string> Tapes(const TTapeList& list) {
    std::vector<std::string> tapes;
    for (const TListedTape& tape : list.tapes)
        tapes.push_back(tape.file + ":" + tape.name);
    return tapes;
}

class TapeListTest : public testing::TestWithParam<ListCase> {};

TEST_P(TapeListTest, ReadsTheTapesInTheirOrder) {
    const TTapeList list = ReadTapeList(GetParam().text);
    EXPECT_EQ(Tapes(list), GetParam().tapes);
    EXPECT_EQ(list.current, GetParam().current);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TapeListTest,
    testing::Values(
        ListCase{"Empty", "", {":"}, 0},
        ListCase{"AsWritten",
                 "2\r\n\tCaixa\r\noberta-2.txt\tClient Puig\r\noberta-5.txt\tCinta 3\r\n",
                 {":Caixa", "oberta-2.txt:Client Puig", "oberta-5.txt:Cinta 3"},
                 2},
        ListCase{"LfLinesAndNoFirstTapeLine", "1\noberta-2.txt\tB\n", {":", "oberta-2.txt:B"}, 1},
        ListCase{"CurrentPastTheTapes", "3\r\noberta-2.txt\tB\r\n", {":", "oberta-2.txt:B"}, 0},
        ListCase{"CurrentNoNumber", "x1\r\noberta-2.txt\tB\r\n", {":", "oberta-2.txt:B"}, 0},
        ListCase{"ForeignAndTwiceListedFiles",
                 "0\r\n../Brimsum.Ini\tX\r\n/etc/passwd\tY\r\noberta-.txt\tZ\r\n"
                 "oberta-2.txt\tB\r\noberta-2.txt\tC\r\nsense tabulador\r\n",
                 {":", "oberta-2.txt:B"},
                 0},
        ListCase{"NamesOnOneLineTrimmed",
                 "0\r\noberta-3.txt\t  Caixa\x01 2  \r\n",
                 {":", "oberta-3.txt:Caixa  2"},
                 0}),
    CaseName<ListCase>);

TEST(TapeListTextTest, ReadsBackAsWritten) {
    TTapeList list;
    list.tapes = {{"", "Caixa"}, {"oberta-2.txt", "Client\tPuig"}, {"oberta-7.txt", "Cinta 3"}};
    list.current = 1;
    const TTapeList read = ReadTapeList(TapeListText(list));
    EXPECT_EQ(Tapes(read), (std::vector<std::string>{":Caixa", "oberta-2.txt:Client Puig",
                                                     "oberta-7.txt:Cinta 3"}));
    EXPECT_EQ(read.current, 1);
}

}  // namespace
