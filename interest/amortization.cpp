#include "interest/amortization.h"

#include <algorithm>
#include <cmath>

#include "basic/tdata.h"

namespace {

// Halves go upward for positive amounts.
double MonthInterest(double balance, double rate) {
    return static_cast<double>(std::trunc(static_cast<long double>(balance) * rate / 1200 + 0.5L));
}

}  // namespace

std::vector<TAmortRow> AmortizationTable(double capital, double rate, double instalment,
                                         int32_t months, TDateTime start) {
    std::vector<TAmortRow> rows;
    const int32_t listed = std::min(months, kMaxInstalments);
    if (listed <= 0) return rows;
    rows.reserve(static_cast<size_t>(listed));
    double balance = capital;
    double capitalSoFar = 0;
    double interestSoFar = 0;
    TData date;
    for (int32_t k = 1; k <= listed; ++k) {
        TAmortRow row;
        row.Quota = k;
        row.Any = (k - 1) / 12 + 1;
        // Each due date is counted from the start date, so a 31st comes back
        // after the shorter months.
        date.SetDateValue(start);
        row.Data = date.AddMonths(k);
        row.Interes = MonthInterest(balance, rate);
        const double paid = k == months ? balance + row.Interes : instalment;
        row.Capital = paid - row.Interes;
        capitalSoFar += row.Capital;
        interestSoFar += row.Interes;
        balance = balance - paid + row.Interes;
        row.AcumCap = capitalSoFar;
        row.AcumInt = interestSoFar;
        row.Saldo = balance;
        rows.push_back(std::move(row));
    }
    return rows;
}
