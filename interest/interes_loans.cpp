// TInteres: the two loans, what recomputes them, and the recalculation.

#include <QLineEdit>

#include "basic/dates.h"
#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "controls/datefield/datacalendari.h"
#include "controls/panel/panelex.h"
#include "interest/interes.h"

namespace {

constexpr TColor kDearerColor = RGBColor(255, 0, 0);
constexpr TColor kCheaperColor = RGBColor(0, 128, 0);

// Whether the user typed into the field since the flag was last cleared;
// clears it.
bool TakeEditorModified(TPanelEx* field) {
    QLineEdit* editor = field->Editor();
    const bool modified = editor->isModified();
    editor->setModified(false);
    return modified;
}

}  // namespace

void TInteres::CampsChanged(TPanelEx* sender) {
    if (sender != nullptr) recalcPending_ = TakeEditorModified(sender);
    Recalculate();
}

void TInteres::Anys1Changed(TPanelEx* sender) {
    YearsChanged(1, sender);
}

void TInteres::Anys2Changed(TPanelEx* sender) {
    YearsChanged(2, sender);
}

// The months follow the years typed; the values follow at the next
// recalculation (entering the next field).
void TInteres::YearsChanged(int loan, TPanelEx* sender) {
    if (!sender->Editor()->isModified()) return;
    recalcPending_ = true;
    Loan(loan).Mesos->SetValue(sender->Value() * 12);
    sender->Editor()->setModified(false);
}

void TInteres::Panel1Enter() {
    LoanEnter(1);
}

void TInteres::Panel2Enter() {
    LoanEnter(2);
}

// Entering loan 2 while it has no capital starts it as a copy of loan 1.
void TInteres::LoanEnter(int loan) {
    SelectLoan(loan);
    if (loan == 2 && Loan(2).Capital->Value() == 0) CopyLoan1IntoLoan2();
    Recalculate();
}

// The capital goes over in the unit the second field holds at this moment:
// whole units when the focus is entering it.
void TInteres::CopyLoan1IntoLoan2() {
    SetCapitalHundredths(2, CapitalHundredths(1));
    Loan(2).Interes->SetValue(Loan(1).Interes->Value());
    Loan(2).Anys->SetValue(Loan(1).Anys->Value());
    Loan(2).Mesos->SetValue(Loan(1).Mesos->Value());
}

void TInteres::Capital1Enter() {
    CapitalEnter(1);
}

void TInteres::Capital1Exit() {
    CapitalExit(1);
}

void TInteres::Capital2Enter() {
    CapitalEnter(2);
}

void TInteres::Capital2Exit() {
    CapitalExit(2);
}

// While it has the focus the capital field holds whole units.
void TInteres::CapitalEnter(int loan) {
    TPanelEx* capital = Loan(loan).Capital;
    capitalInUnits_[static_cast<size_t>(loan - 1)] = true;
    capital->SetValue(capital->Value() / 100);
    LoanEnter(loan);
}

void TInteres::CapitalExit(int loan) {
    bool& inUnits = capitalInUnits_[static_cast<size_t>(loan - 1)];
    if (!inUnits) return;
    inUnits = false;
    TPanelEx* capital = Loan(loan).Capital;
    capital->SetValue(capital->Value() * 100);
}

// Every reading of a capital gets hundredths, whatever the field holds.
double TInteres::CapitalHundredths(int loan) {
    const double value = Loan(loan).Capital->Value();
    return capitalInUnits_[static_cast<size_t>(loan - 1)] ? StoredValue(value * 100) : value;
}

void TInteres::SetCapitalHundredths(int loan, double hundredths) {
    const bool inUnits = capitalInUnits_[static_cast<size_t>(loan - 1)];
    Loan(loan).Capital->SetValue(inUnits ? hundredths / 100 : hundredths);
}

void TInteres::DataChange(TDataCalendari*) {
    recalcPending_ = true;
    Recalculate();
}

// A start date typed into the field counts once the field is left, as one
// picked in the calendar does.
void TInteres::DataExit() {
    const std::string typed = data_->GetDateText();
    if (TextToInt(typed) == 0) return;
    TDateTime value = 0;
    try {
        value = TextToDate(typed);
    } catch (const PlatformError&) {
        return;  // no such day: the table keeps its dates
    }
    if (value != data_->Date()) data_->SetDate(value);
}

void TInteres::SelectLoan(int loan) {
    if (activeLoan_ == loan) return;
    activeLoan_ = loan;
    recalcPending_ = true;
    Recalculate();
}

void TInteres::Recalculate() {
    if (!recalcPending_) return;
    const TLoanResult loan1 = ComputeAndShow(1);
    const TLoanResult loan2 = ComputeAndShow(2);
    ShowDifference(CompareLoans(loan1, loan2));
    FillAmortization(activeLoan_ == 1 ? 1 : 2);
    UpdateTotals();
}

TLoanResult TInteres::ComputeAndShow(int loan) {
    const TLoanFields& fields = Loan(loan);
    const TLoanResult result =
        ComputeLoan(CapitalHundredths(loan), fields.Interes->Value(), fields.Mesos->Value());
    fields.Quota->SetValue(result.Quota);
    fields.Interessos->SetValue(result.Interessos);
    return result;
}

// Red when loan 2's instalment is not lower, green when it is.
void TInteres::ShowDifference(const TLoanDifference& difference) {
    difQuota_->SetValue(difference.Quota);
    difInteres_->SetValue(difference.Interessos);
    const TColor colour = difference.Favourable() ? kCheaperColor : kDearerColor;
    difQuota_->SetFontColor(colour);
    difInteres_->SetFontColor(colour);
}
