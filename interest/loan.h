#pragma once

// The arithmetic of one loan: the monthly instalment and the total interest.
// Amounts are doubles holding hundredths of the currency unit; rates are
// annual percentages; terms are months and may carry a fraction.

// The instalment C * r / (1 - (1 + r)^-N) with r = R / 1200, carried in
// extended precision; 0 when the rate or the term is 0 (a loan at zero
// interest is not computed).
double Payment(long double capital, long double rate, long double months);

// What a loan's result fields hold once written and read back.
struct TLoanResult {
    // The instalment rounded to whole hundredths.
    double Quota = 0;
    // months * Quota - capital; 0 when there is no instalment.
    double Interessos = 0;
};

TLoanResult ComputeLoan(double capital, double rate, double months);

// Loan 2 against loan 1; both 0 unless both loans have an instalment.
struct TLoanDifference {
    double Quota = 0;
    double Interessos = 0;
    // Loan 2's instalment is lower: the difference is good news.
    bool Favourable() const { return Quota < 0; }
};

TLoanDifference CompareLoans(const TLoanResult& loan1, const TLoanResult& loan2);

// A number as a value field holds it: written in the stored form (at most 5
// decimals) and read back.
double StoredValue(double value);
