#pragma once

// The amortization table of one loan: one row per monthly instalment, with
// its due date, the capital it repays, its interest and the balance left.
// Amounts are in hundredths of the currency unit.

#include <cstdint>
#include <string>
#include <vector>

#include "basic/dates.h"

struct TAmortRow {
    int32_t Quota = 0;  // instalment number, from 1
    int32_t Any = 0;    // year of the loan, from 1
    std::string Data;   // due date "yyyymmdd"
    double Capital = 0;
    double AcumCap = 0;
    double Interes = 0;
    double AcumInt = 0;
    double Saldo = 0;
};

// Longest table listed: a thousand years of monthly instalments. Terms beyond
// it list their first instalments only, so that a mistyped term cannot make
// the table take all memory and time.
constexpr int32_t kMaxInstalments = 12'000;

// The instalments of a loan of `capital` at `rate` percent paying `instalment`
// a month over `months` months (none when `months` <= 0), due one month
// apart counted from `start`. Each interest is rounded to a whole hundredth
// and the last instalment clears the balance.
std::vector<TAmortRow> AmortizationTable(double capital, double rate, double instalment,
                                         int32_t months, TDateTime start);
