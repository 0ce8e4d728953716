#include <gtest/gtest.h>

#include <string>

#include "controls/grid/celltext.h"
#include "tests/support/tablecases.h"

namespace {

using F = TDisplayFormat;
using A = TAlineacio;

TColumnaGrid Column(TDisplayFormat tipus, int32_t llargada = 0, int32_t decimals = 0,
                    TAlineacio alineacio = A::Automatica) {
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

INSTANTIATE_TEST_SUITE_P(
    Kinds, CellKindTest,
    testing::Values(
        KindCase{"PlainText", Column(F::Text), "abc", "abc", A::Esquerra},
        KindCase{"PlainOneCharCentred", Column(F::Text, 1), "+", "+", A::Centre},
        KindCase{"OtherTextOneCharCentred", Column(F::OtherText, 1), "x", "x", A::Centre},
        KindCase{"CentredText", Column(F::CentredText), "abc", "abc", A::Centre},
        KindCase{"DateDisplayForm", Column(F::Date, 10), "20240105", "05/01/2024", A::Centre},
        KindCase{"ZeroPaddedPositive", Column(F::ZeroPadded, 4), "45", "0045", A::Centre},
        KindCase{"ZeroPadSkipsNegative", Column(F::ZeroPadded, 4), "-3", "-3", A::Centre},
        KindCase{"ZeroPadWidthTooLarge", Column(F::ZeroPadded, 300), "45", "45", A::Centre},
        KindCase{"ZeroPadWidthNegative", Column(F::ZeroPadded, -1), "45", "45", A::Centre},
        KindCase{"NumberDisplayForm", Column(F::Number, 0, 2), "1234.5", "1.234,50", A::Dreta},
        KindCase{"NumberTypedForm", Column(F::Number, 0, 2), "12,5", "12,50", A::Dreta},
        KindCase{"NumberZeroBlank", Column(F::Number, 0, 2), "0", "", A::Dreta},
        KindCase{"NumberLoneCommaAsTyped", Column(F::Number, 0, 2), ",", ",", A::Dreta},
        KindCase{"NumberTooLongAsTyped", Column(F::Number, 0, 2), std::string(300, '1'),
                 std::string(300, '1'), A::Dreta},
        KindCase{"HundredthsDefaultTwo", Column(F::Hundredths), "123456", "1.234,56", A::Dreta},
        KindCase{"HundredthsHalfRoundsUp", Column(F::Hundredths), "14.5", "0,15", A::Dreta},
        KindCase{"HundredthsOneDecimal", Column(F::Hundredths, 0, 1), "123456", "1.234,6",
                 A::Dreta},
        KindCase{"TimeForm", Column(F::Time, 5), "5400", "01:30", A::Centre},
        KindCase{"LeftText", Column(F::LeftText), "abc", "abc", A::Esquerra},
        KindCase{"UnknownKindLeft", Column(F(9)), "abc", "abc", A::Esquerra},
        KindCase{"OwnAlignmentWins", Column(F::Number, 0, 2, A::Esquerra), "1", "1,00",
                 A::Esquerra},
        KindCase{"OwnRightOnText", Column(F::Text, 0, 0, A::Dreta), "a", "a", A::Dreta},
        KindCase{"OwnCentre", Column(F::LeftText, 0, 0, A::Centre), "a", "a", A::Centre}),
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
