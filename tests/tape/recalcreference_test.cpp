// A long random key sequence on the tape, checked against a second, plain
// evaluation of the same tape written here from the description of the
// evaluation, for every combination of the three rounding options.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "basic/numbertext.h"
#include "tests/tape/tapescript.h"

namespace {

struct RoundingOptions {
    bool totals;
    bool calculations;
    bool all;
};

constexpr int32_t kDecimals = 2;

// The tape as three columns of texts, evaluated row by row from row 0.
class PlainTape {
public:
    explicit PlainTape(const TTapeDocument& tape) {
        for (int32_t row = 0; row < tape.UsedRows(); ++row) {
            const TTapeRow& r = tape.Row(row);
            rows_.push_back({r.Value(), std::string(r.OperatorField()), std::string(r.Link())});
        }
    }

    std::string Line() const {
        std::string line;
        for (size_t row = 0; row < UsedRows(); ++row) {
            const Row& r = rows_[row];
            if (row > 0) line += "; ";
            line += r.value.empty() ? "_" : r.value;
            if (!r.op.empty()) line += " " + r.op;
            if (!r.link.empty()) line += " L" + r.link;
        }
        return line;
    }

    void SetValue(int32_t row, const std::string& text) {
        if (row < 0) return;
        if (static_cast<size_t>(row) >= rows_.size()) rows_.resize(static_cast<size_t>(row) + 1);
        rows_[static_cast<size_t>(row)].value = text;
    }

    double Evaluate(int32_t target, RoundingOptions options) {
        const auto round = [](double x) { return TextToFloat(FloatToFixedText(x, kDecimals)); };
        const auto follow = [this](int32_t row) {
            if (!Link(row).empty()) SetValue(row, Value(TextToInt(Link(row))));
        };
        follow(0);
        double acc = V(0);
        double result = target == 0 ? acc : 0;
        std::string op = "+";
        const auto last = static_cast<int32_t>(UsedRows()) + 1;
        for (int32_t row = 1; row <= last; ++row) {
            if (options.all && !Value(row - 1).empty()) {
                SetValue(row - 1, FloatToFixedText(V(row - 1), kDecimals));
            }
            const std::string prev = op;
            op = Op(row - 1);
            const std::string next = Op(row);
            follow(row);
            if (prev.empty()) {
                acc = V(row - 1);
                if (row - 1 == target) result = acc;
            }
            bool changed = false;
            if (op == "+" && next != "%") acc += V(row), changed = true;
            if (op == "-" && next != "%") acc -= V(row), changed = true;
            if (op == "x") acc *= V(row), changed = true;
            if (op == "/" && V(row) != 0) acc /= V(row), changed = true;
            if (changed && options.calculations) acc = round(acc);
            if (op == "%") {
                double p = V(row - 1) * V(row - 2) / 100;
                if (options.calculations) p = round(p);
                SetValue(row, FloatToPlainText(p));
                if (prev == "+") acc += p;
                if (prev == "-") acc -= p;
                if (prev == "x") acc = p;
            }
            if (row == target) result = acc;
            if (op == "=") {
                if (options.totals) acc = round(acc);
                SetValue(row, FloatToPlainText(acc));
            }
        }
        return result;
    }

private:
    struct Row {
        std::string value, op, link;
    };

    size_t UsedRows() const {
        size_t used = rows_.size();
        while (used > 0) {
            const Row& r = rows_[used - 1];
            if (!r.value.empty() || !r.op.empty() || !r.link.empty()) break;
            --used;
        }
        return used;
    }
    const Row* At(int32_t row) const {
        return row >= 0 && static_cast<size_t>(row) < rows_.size()
                   ? &rows_[static_cast<size_t>(row)]
                   : nullptr;
    }
    std::string Value(int32_t row) const { return At(row) ? At(row)->value : std::string(); }
    std::string Op(int32_t row) const { return At(row) ? At(row)->op : std::string(); }
    std::string Link(int32_t row) const { return At(row) ? At(row)->link : std::string(); }
    double V(int32_t row) const { return TextToFloat(Value(row)); }

    std::vector<Row> rows_;
};

// Keys as a user plays them: mostly a number and an operator, now and then
// an operator on an empty entry, Enter, a click on the tape, a link, an opened
// or deleted row.
class KeyPlayer {
public:
    explicit KeyPlayer(uint32_t seed) : random_(seed) {}

    std::string NextKeys(int32_t usedRows) {
        const int pick = Uniform(0, 99);
        const std::string row = std::to_string(Uniform(0, usedRows));
        if (pick < 70) return Number() + " " + Operator();
        if (pick < 76) return Operator();
        if (pick < 80) return "<<";
        if (pick < 85) return "@" + row + (Uniform(0, 1) ? " <<" : "");
        if (pick < 89) return "^" + row + " link";
        if (pick < 93) return "^" + row + " open " + Number() + " " + Operator();
        if (pick < 96) return "^" + row + " del";
        return Number() + " +/- " + Operator();
    }

private:
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    std::string Number() {
        static const char* const kNumbers[] = {"12",   "3,5",   "100",   "7,25", "0,125", "2,675",
                                               "1000", "15",    "0,333", "9",    "0",     "16",
                                               "45,5", "1,005", "250",   "0,5",  "8",     "3"};
        return kNumbers[Uniform(0, std::size(kNumbers) - 1)];
    }
    std::string Operator() {
        static const char* const kOperators[] = {"+", "+", "+", "-", "-", "x",
                                                 "/", "%", "=", "=", "<<"};
        return kOperators[Uniform(0, std::size(kOperators) - 1)];
    }

    std::mt19937 random_;
};

class RecalcReferenceTest : public TapeTest,
                            public testing::WithParamInterface<std::tuple<bool, bool, bool>> {
protected:
    RoundingOptions Options() const {
        const auto [totals, calculations, all] = GetParam();
        return {totals, calculations, all};
    }

    // Computed and linked rows are spoiled in both tapes, so that the
    // evaluation has to write every one of them again.
    void SpoilComputedRows(PlainTape& plain) {
        for (int32_t row = 0; row < engine.Tape().UsedRows(); ++row) {
            const TTapeOperator above = engine.Tape().Operator(row - 1);
            const bool computed = above == TTapeOperator::Total || above == TTapeOperator::Percent;
            const bool linked = engine.Tape().Row(row).HasLink();
            if (!computed && !linked) continue;
            engine.Edit(TFieldEdit{row, TTapeField::Value, "999"});
            plain.SetValue(row, "999");
        }
    }

    void ExpectSameEvaluation(int32_t target) {
        PlainTape plain(engine.Tape());
        SpoilComputedRows(plain);
        const double expected = plain.Evaluate(target, Options());
        EXPECT_EQ(engine.RecalcTape(target), expected) << "target " << target;
        EXPECT_EQ(Tape(), plain.Line());
    }
};

TEST_P(RecalcReferenceTest, RandomKeysEvaluateAsThePlainEvaluation) {
    StartWith(engine, {.decimals = kDecimals,
                       .roundTotals = Options().totals,
                       .roundCalculations = Options().calculations,
                       .roundAll = Options().all});
    KeyPlayer player(7919);
    int steps = 0;
    while (engine.Tape().UsedRows() < 300 && steps < 5000) {
        PlayKeys(engine, player.NextKeys(engine.Tape().UsedRows()));
        if (++steps % 40 == 0) {
            ExpectSameEvaluation(engine.Tape().CurrentRow() - 1);
            if (HasFailure()) return;
        }
    }
    ASSERT_GE(engine.Tape().UsedRows(), 300);
    // Every row as the target, on a tape spoiled once more.
    PlainTape plain(engine.Tape());
    SpoilComputedRows(plain);
    const int32_t used = engine.Tape().UsedRows();
    for (int32_t target = -1; target <= used + 1; ++target) {
        ASSERT_EQ(engine.RecalcTape(target), plain.Evaluate(target, Options()))
            << "target " << target;
    }
    EXPECT_EQ(Tape(), plain.Line());
}

std::string OptionsName(const testing::TestParamInfo<std::tuple<bool, bool, bool>>& info) {
    const auto [totals, calculations, all] = info.param;
    return std::string(totals ? "Totals" : "NoTotals") +
           (calculations ? "Calculations" : "NoCalculations") + (all ? "All" : "NoAll");
}

INSTANTIATE_TEST_SUITE_P(RoundingOptions, RecalcReferenceTest,
                         testing::Combine(testing::Bool(), testing::Bool(), testing::Bool()),
                         OptionsName);

}  // namespace
