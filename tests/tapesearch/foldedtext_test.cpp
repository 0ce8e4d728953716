// Folding for a search without case or accents: what each kind of letter and
// mark folds to, and that folding a folded text changes nothing.

#include <gtest/gtest.h>

#include "tapesearch/foldedtext.h"
#include "tests/support/tablecases.h"

namespace {

struct FoldCase {
    const char* name;
    const char* text;
    const char* folded;
    friend std::ostream& operator<<(std::ostream& os, const FoldCase& c) { return os << c.name; }
};

class FoldedTextTest : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldedTextTest, FoldsCaseAccentsAndBlanks) {
    const std::string folded = FoldedText(GetParam().text);
    EXPECT_EQ(folded, GetParam().folded);
    EXPECT_EQ(FoldedText(folded), folded);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, FoldedTextTest,
    testing::Values(FoldCase{"Capitals", "Factura 214", "factura 214"},
                    FoldCase{"GraveAccent", "Cafè", "cafe"},
                    FoldCase{"EveryVowel", "ÀÉÈÍÏÒÓÚÜ àéèíïòóúü", "aeeiioouu aeeiioouu"},
                    FoldCase{"Cedilla", "FAÇANA façana", "facana facana"},
                    FoldCase{"MiddleDot", "Col·legi", "collegi"},
                    FoldCase{"MiddleDotCapitals", "COL·LEGI", "collegi"},
                    FoldCase{"LWithMiddleDot", "coŀlegi", "collegi"},
                    FoldCase{"HyphenationPoint", "col\u2027legi", "collegi"},
                    FoldCase{"PointBetweenLs", "Col.legi", "collegi"},
                    FoldCase{"PointElsewhere", "Fra. 12.3 total.", "fra. 12.3 total."},
                    FoldCase{"DotBeforeABlank", "col· legi", "col· legi"},
                    FoldCase{"Apostrophes", "d’aigua l´hort", "d'aigua l'hort"},
                    FoldCase{"ApostropheOfADecomposition", "ŉ", "'n"},
                    FoldCase{"Ligature", "ﬁnal", "final"}, FoldCase{"Ordinal", "Nº 5", "no 5"},
                    FoldCase{"CompatibilityCapital", "\u210C", "h"},
                    FoldCase{"Blanks", "  dos \t espais\u00A0aquí ", "dos espais aqui"},
                    FoldCase{"NotUtf8",
                             "a\xFF"
                             "b",
                             "a\uFFFDb"},
                    FoldCase{"Empty", "", ""}),
    CaseName<FoldCase>);

// While "col·legi" is being typed, the query keeps finding it.
TEST(FoldedQueryTest, AMiddleDotEndingTheQueryAfterAnLGoes) {
    EXPECT_EQ(FoldedQuery("Col·"), "col");
    EXPECT_EQ(FoldedQuery("Col."), "col.");
    EXPECT_EQ(FoldedQuery("a·"), "a·");
}

}  // namespace
