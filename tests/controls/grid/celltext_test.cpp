#include <gtest/gtest.h>

#include <string>

#include "controls/grid/celltext.h"
#include "tests/support/tablecases.h"

namespace {

TColumnaGrid Column(int32_t tipus, int32_t llargada = 0, int32_t decimals = 0,
                    uint8_t alineacio = 0) {
    TColumnaGrid c;
    c.Tipus = tipus;
    c.Llargada = llargada;
    c.Decimals = decimals;
    c.Alineacio = alineacio;
    return c;
}

struct KindCase {
    const char* name;
    TColumnaGrid column;
    std::string text;
    std::string shown;
    TAlineacio alignment;
    friend std::ostream& operator<<(std::ostream& os, const KindCase& c) { return os << c.name; }
};

class CellKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(CellKindTest, ShowsTheKindsFormAndAlignment) {
    const KindCase& c = GetParam();
    EXPECT_EQ(CellDisplayText(c.column, c.text), c.shown);
    EXPECT_EQ(CellAlignment(c.column), c.alignment);
}

using A = TAlineacio;
INSTANTIATE_TEST_SUITE_P(
    Kinds, CellKindTest,
    testing::Values(KindCase{"PlainText", Column(0), "abc", "abc", A::Esquerra},
                    KindCase{"PlainOneCharCentred", Column(0, 1), "+", "+", A::Centre},
                    KindCase{"Kind3OneCharCentred", Column(3, 1), "x", "x", A::Centre},
                    KindCase{"Kind1Centred", Column(1), "abc", "abc", A::Centre},
                    KindCase{"DateDisplayForm", Column(2, 10), "20240105", "05/01/2024", A::Centre},
                    KindCase{"ZeroPaddedPositive", Column(4, 4), "45", "0045", A::Centre},
                    KindCase{"ZeroPadSkipsNegative", Column(4, 4), "-3", "-3", A::Centre},
                    KindCase{"ZeroPadWidthTooLarge", Column(4, 300), "45", "45", A::Centre},
                    KindCase{"ZeroPadWidthNegative", Column(4, -1), "45", "45", A::Centre},
                    KindCase{"NumberDisplayForm", Column(5, 0, 2), "1234.5", "1.234,50", A::Dreta},
                    KindCase{"NumberTypedForm", Column(5, 0, 2), "12,5", "12,50", A::Dreta},
                    KindCase{"NumberZeroBlank", Column(5, 0, 2), "0", "", A::Dreta},
                    KindCase{"NumberLoneCommaAsTyped", Column(5, 0, 2), ",", ",", A::Dreta},
                    KindCase{"NumberTooLongAsTyped", Column(5, 0, 2), std::string(300, '1'),
                             std::string(300, '1'), A::Dreta},
                    KindCase{"HundredthsDefaultTwo", Column(6), "123456", "1.234,56", A::Dreta},
                    KindCase{"HundredthsOneDecimal", Column(6, 0, 1), "123456", "1.234,6",
                             A::Dreta},
                    KindCase{"TimeForm", Column(8, 5), "5400", "01:30", A::Centre},
                    KindCase{"Kind7Left", Column(7), "abc", "abc", A::Esquerra},
                    KindCase{"UnknownKindLeft", Column(9), "abc", "abc", A::Esquerra},
                    KindCase{"OwnAlignmentWins", Column(5, 0, 2, 1), "1", "1,00", A::Esquerra},
                    KindCase{"OwnRightOnText", Column(0, 0, 0, 3), "a", "a", A::Dreta},
                    KindCase{"OwnCentre", Column(7, 0, 0, 2), "a", "a", A::Centre}),
    CaseName<KindCase>);

TEST(CellPositionTest, CentringRoundsHalvesToEven) {
    // (right - left - width) / 2 from the left edge.
    EXPECT_EQ(AlignedTextX(A::Centre, 0, 10, 3), 4);    // 3.5
    EXPECT_EQ(AlignedTextX(A::Centre, 0, 10, 5), 2);    // 2.5
    EXPECT_EQ(AlignedTextX(A::Centre, 10, 20, 4), 13);  // 3
    EXPECT_EQ(AlignedTextX(A::Centre, 0, 10, 13), -2);  // -1.5
    EXPECT_EQ(AlignedTextX(A::Centre, 0, 10, 11), 0);   // -0.5
    EXPECT_EQ(AlignedTextX(A::Centre, 0, 10, 15), -2);  // -2.5
}

TEST(CellPositionTest, SidesKeepThreePixels) {
    EXPECT_EQ(AlignedTextX(A::Dreta, 0, 100, 20), 77);
    EXPECT_EQ(AlignedTextX(A::Esquerra, 40, 100, 20), 43);
    EXPECT_EQ(AlignedTextX(A::Automatica, 40, 100, 20), 43);
}

TEST(CellPositionTest, VerticalCentreTruncatesTowardZero) {
    EXPECT_EQ(CenteredTextY(0, 16, 13), 2);
    EXPECT_EQ(CenteredTextY(5, 21, 14), 6);   // 3 / 2
    EXPECT_EQ(CenteredTextY(0, 10, 14), -1);  // -3 / 2
}

}  // namespace
