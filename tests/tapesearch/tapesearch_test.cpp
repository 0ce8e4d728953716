// A search through open tapes and the archive: what each kind of query finds
// (numbers in every form, computed totals, comments without case or
// accents), in which order, how the results are capped and counted, and a
// search run in slices against one run whole.

#include <gtest/gtest.h>

#include <memory>

#include "tape/tapeengine.h"
#include "tapesearch/tapesearch.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapeactions.h"
#include "tests/tapesearch/searchfixture.h"

namespace {

// Two open tapes and an archive of two tapes and a broken file.
//   Cinta 1: 1250,5 + (Factura 214)  380 - (Lloguer)  12,5 =  1618 (total)
//   Cinta 2: 1,25 +  1250,504 +  214 +  1250 =  2715.754 (total)
//   11:00:   1250.5 +  -12.5 =  1238
//   12:00:   7 + (FACTURA 7)  3 = (Cafè amb llet)  10 (Col·legi)
//   12:30:   a picture, no tape
class SearchTest : public testing::Test {
protected:
    SearchTest() {
        PlayKeys(first_, "1250,5 + 380 - 12,5 =");
        first_.Edit(TFieldEdit{0, TTapeField::Comment, "Factura 214"});
        first_.Edit(TFieldEdit{1, TTapeField::Comment, "Lloguer"});
        PlayKeys(second_, "1,25 + 1250,504 + 214 + 1250 =");
        archive_.PutLines(TestArchive::kNoon.addSecs(-3600), {"1250.5\t+", "-12.5\t=", "1238\t"});
        archive_.PutLines(TestArchive::kNoon,
                          {"7\t+\t\tFACTURA 7", "3\t=\t\tCafè amb llet", "10\t\t\tCol·legi"});
        archive_.Put(TestArchive::kNoon.addSecs(1800), std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    }

    TSearchScope Scope(int32_t decimals = 2) {
        return {{{"Cinta 1", &firstIndex_, decimals}, {"Cinta 2", &secondIndex_, decimals}},
                archive_.Index(),
                decimals};
    }

    TTapeSearch Search(const std::string& typed, size_t shown = TTapeSearch::kShownResults) {
        TTapeSearch search(typed, Scope(), shown);
        search.Run();
        return search;
    }

    TTapeEngine first_;
    TTapeEngine second_;
    TOpenTapeIndex firstIndex_{first_.Tape()};
    TOpenTapeIndex secondIndex_{second_.Tape()};
    TestArchive archive_;
};

struct QueryCase {
    const char* name;
    const char* typed;
    std::vector<std::string> found;
    friend std::ostream& operator<<(std::ostream& os, const QueryCase& c) { return os << c.name; }
};

class SearchQueryTest : public SearchTest, public testing::WithParamInterface<QueryCase> {};

TEST_P(SearchQueryTest, FindsTheRowsInTapeOrder) {
    const TTapeSearch search = Search(GetParam().typed);
    EXPECT_TRUE(search.Finished());
    EXPECT_EQ(Where(search.Results()), GetParam().found);
    EXPECT_EQ(search.Found(), static_cast<int64_t>(GetParam().found.size()));
}

// 1250.504 is shown 1.250,50 at two decimals, so 1250,5 finds it; 1,25 is
// 1.25 or 1250, both found.
INSTANTIATE_TEST_SUITE_P(
    Queries, SearchQueryTest,
    testing::Values(QueryCase{"TypedNumber", "1250,5", {"Cinta 1:0", "Cinta 2:1", "11:00:0"}},
                    QueryCase{"DisplayForm", "1.250,50", {"Cinta 1:0", "Cinta 2:1", "11:00:0"}},
                    QueryCase{"Negative", "-12,5", {"11:00:1"}},
                    QueryCase{"ComputedTotal", "1.618", {"Cinta 1:3"}},
                    QueryCase{"ArchivedTotal", "1238", {"11:00:2"}},
                    QueryCase{"BothReadings", "1.250", {"Cinta 2:0", "Cinta 2:3"}},
                    QueryCase{"NumberAndComment", "214", {"Cinta 1:0", "Cinta 2:2"}},
                    QueryCase{"CommentInAnyCase", "factura", {"Cinta 1:0", "12:00:0"}},
                    QueryCase{"WithoutAccent", "cafe", {"12:00:1"}},
                    QueryCase{"WithoutMiddleDot", "collegi", {"12:00:2"}},
                    QueryCase{"ByValueAndCommentOnce", "7", {"12:00:0"}},
                    QueryCase{"NothingFound", "benzina", {}}, QueryCase{"Empty", "", {}},
                    QueryCase{"Blanks", "  \t ", {}}),
    CaseName<QueryCase>);

TEST_F(SearchTest, AResultShowsItsTapeRowValueOperatorAndComment) {
    const TTapeSearch search = Search("1250,5");
    ASSERT_EQ(search.Results().size(), 3u);
    const TSearchResult& open = search.Results()[0];
    EXPECT_EQ(open.source.kind, TSearchSourceKind::OpenTape);
    EXPECT_EQ(open.source.openTape, 0);
    EXPECT_EQ(open.value, "1.250,50");
    EXPECT_EQ(open.op, "+");
    EXPECT_EQ(open.comment, "Factura 214");
    const TSearchResult& archived = search.Results()[2];
    EXPECT_EQ(archived.source.kind, TSearchSourceKind::ArchivedTape);
    EXPECT_EQ(archived.source.keptAt, TestArchive::kNoon.addSecs(-3600));
    EXPECT_NE(archived.source.path.find("cinta-2026-12-09-110000-000.txt"), std::string::npos);
    EXPECT_EQ(archived.value, "1.250,50");
    EXPECT_EQ(archived.op, "+");
}

// At three decimals 1250.504 shows as 1.250,504: no longer 1250,5.
TEST_F(SearchTest, AValueIsFoundAsTheTapeShowsIt) {
    TTapeSearch search("1250,5", Scope(3));
    search.Run();
    EXPECT_EQ(Where(search.Results()), (std::vector<std::string>{"Cinta 1:0", "11:00:0"}));
    EXPECT_EQ(search.Results()[0].value, "1.250,500");
}

TEST_F(SearchTest, KeepsTheFirstResultsAndCountsTheRest) {
    const TTapeSearch search = Search("1250,5", 2);
    EXPECT_EQ(Where(search.Results()), (std::vector<std::string>{"Cinta 1:0", "Cinta 2:1"}));
    EXPECT_EQ(search.Found(), 3);
    EXPECT_EQ(search.More(), 1);
}

// A tape longer than a slice, searched one slice per call, gives what one
// whole run gives.
TEST(SearchSlicesTest, ASearchInSlicesFindsWhatAWholeRunFinds) {
    TestArchive archive;
    std::vector<std::string> lines;
    for (int32_t row = 0; row < 2 * TTapeSearch::kSliceRows + 100; ++row)
        lines.push_back(row % 1000 == 7 ? "5\t+\t\tnota" : std::to_string(row % 97) + "\t+");
    archive.PutLines(TestArchive::kNoon, lines);
    archive.PutLines(TestArchive::kNoon.addSecs(-60), {"5\t+"});
    const TSearchScope scope{{}, archive.Index(), 2};

    TTapeSearch whole("5", scope, 10'000);
    EXPECT_TRUE(whole.Run());
    TTapeSearch sliced("5", scope, 10'000);
    int calls = 1;
    while (!sliced.Run(TTapeSearch::Clock::time_point::min()))
        ++calls;
    EXPECT_GE(calls, 3);
    EXPECT_EQ(Where(sliced.Results()), Where(whole.Results()));
    EXPECT_EQ(sliced.Found(), whole.Found());
    EXPECT_EQ(whole.Results().back().source.keptAt, TestArchive::kNoon.addSecs(-60));
}

// After any action on a tape, the index kept up to date with its changes
// finds what an index made afresh finds.
TEST(OpenTapeIndexTest, FollowsEveryKindOfChange) {
    TTapeEngine engine;
    TOpenTapeIndex kept(engine.Tape());
    RandomActions actions(24);
    const char* const kComments[] = {"Gas", "", "Factura 12", "cafè"};
    const char* const kQueries[] = {"12", "3,5", "gas", "factura", "cafe", "0"};
    for (int step = 0; step < 400; ++step) {
        std::string action = actions.PlayOne(engine);
        if (step % 3 == 0) {
            const int32_t row = step % (engine.Tape().UsedRows() + 2);
            engine.Edit(TFieldEdit{row, TTapeField::Comment, kComments[step % 4]});
            action += " and a comment";
        }
        const char* typed = kQueries[step % 6];
        TOpenTapeIndex fresh(engine.Tape());
        TTapeSearch searchKept(typed, {{{"a", &kept, 2}}, nullptr, 2});
        TTapeSearch searchFresh(typed, {{{"a", &fresh, 2}}, nullptr, 2});
        ASSERT_EQ(Where(searchKept.Results()), Where(searchFresh.Results()))
            << "step " << step << ": " << action << ", query " << typed;
    }
}

}  // namespace
