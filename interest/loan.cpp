#include "interest/loan.h"

#include <cmath>

#include "basic/numbertext.h"

double Payment(long double capital, long double rate, long double months) {
    if (rate == 0 || months == 0) return 0;
    const long double monthlyRate = rate / 1200;
    const long double discount = 1 / std::pow(1 + monthlyRate, months);
    return static_cast<double>(capital * monthlyRate / (1 - discount));
}

double StoredValue(double value) {
    return TextToFloat(FloatToPlainText(value));
}

TLoanResult ComputeLoan(double capital, double rate, double months) {
    TLoanResult result;
    // Rounded at the second decimal of the hundredths, a 5 going away from zero.
    result.Quota = StoredValue(TextToFloat(FloatToFixedText(Payment(capital, rate, months), 2)));
    if (result.Quota != 0) result.Interessos = StoredValue(months * result.Quota - capital);
    return result;
}

TLoanDifference CompareLoans(const TLoanResult& loan1, const TLoanResult& loan2) {
    TLoanDifference difference;
    if (loan1.Quota == 0 || loan2.Quota == 0) return difference;
    difference.Quota = StoredValue(loan2.Quota - loan1.Quota);
    difference.Interessos = StoredValue(loan2.Interessos - loan1.Interessos);
    return difference;
}
