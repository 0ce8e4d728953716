#pragma once

// What the user types in the search field, read once per key.
//
// A query finds the rows whose comment contains its folded text (see
// foldedtext.h: case, accents, l·l and blanks do not count). When it also
// reads as a number (querynumbers.h), it finds besides the rows whose value
// is that number, as the tape shows it: 1250,5 finds the row the tape shows
// as 1.250,50, also a total or a percent amount the evaluation wrote, and a
// value of more decimals than the tape shows that shows as that number
// (1250.504 at two decimals). So "214" finds the row of value 214 and the
// comment "Factura 214"; "1.250" the values 1250 and 1.25 and the comments
// that hold "1.250". A row without a value is found by its comment only.
// An empty query, or one of blanks only, finds nothing.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TSearchQuery {
    // The folded text that comments are searched for; empty finds none.
    std::string text;
    // The numbers the query reads as (none, one or two).
    std::vector<double> numbers;

    bool FindsNothing() const { return text.empty() && numbers.empty(); }
};

TSearchQuery ReadSearchQuery(std::string_view typed);

// Whether a row's value is one of the query's numbers, on a tape shown with
// `decimals` decimals (the option, 0 to 6; 0 shows up to two): its value is
// that number, or rounded at the decimals shown it is.
class TValueMatch {
public:
    TValueMatch(const std::vector<double>& numbers, int32_t decimals);

    bool Any() const { return !numbers_.empty(); }
    // A NaN (no value) matches nothing.
    bool operator()(double value) const {
        for (const double number : numbers_) {
            if (std::abs(value - number) <= tolerance_ && Exact(value, number)) return true;
        }
        return false;
    }

private:
    bool Exact(double value, double number) const;

    std::vector<double> numbers_;
    int32_t shownDecimals_;
    // More than half a unit of the last decimal shown: a value farther from
    // the number does not show as it.
    double tolerance_;
};
