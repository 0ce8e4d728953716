#pragma once

// TInteres: the window that compares two bank loans. For each loan the user
// gives the capital, the annual rate and the term in years or months; the
// window shows the monthly instalment and the total interest of both, their
// differences, and the amortization table of the loan last entered, whose
// instalments can be selected for totals and copied for a spreadsheet.
//
// Amounts are held in hundredths of the currency unit; a capital field holds
// whole units while it has the focus, so that the user types 1000,50.
//
// The window is created once, owned by the main window, and only hidden when
// closed: its values stay while the program runs.

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/grid/gridtypes.h"
#include "interest/loan.h"

class QRect;
class TBotoPetit;
class TDataCalendari;
class TFocusAreas;
class TGridCanvas;
class TGridEx;
class TPanelEx;

class TInteres : public QWidget {
    Q_OBJECT

public:
    // A top-level window of its own, owned by `owner` and destroyed with it.
    explicit TInteres(QWidget* owner = nullptr);
    ~TInteres() override;

    // ---- State -----------------------------------------------------------
    // Recalculate works only while this is set.
    bool RecalcPending() const { return recalcPending_; }
    // The loan whose table is shown: 0 before any, then 1 or 2.
    int ActiveLoan() const { return activeLoan_; }

    // ---- Loans -----------------------------------------------------------
    // A value field's change event: recalculates when the user edited it.
    void CampsChanged(TPanelEx* sender);
    // A years field's change event: the months follow the years edited.
    void Anys1Changed(TPanelEx* sender);
    void Anys2Changed(TPanelEx* sender);
    // The focus enters a field of loan 1 or 2.
    void Panel1Enter();
    void Panel2Enter();
    // The focus enters or leaves a capital field.
    void Capital1Enter();
    void Capital1Exit();
    void Capital2Enter();
    void Capital2Exit();
    void DataChange(TDataCalendari* sender);
    void SelectLoan(int loan);
    // Computes both loans, their differences and the active loan's table.
    void Recalculate();

    // ---- The table and the window ---------------------------------------
    void AmortDrawCell(TGridEx* sender, int32_t col, int32_t row, const QRect& rect,
                       TGridDrawState state, TGridCanvas& canvas);
    void AmortDblClick(TGridEx* sender);
    void AmortSeleccionarFila(TGridEx* sender, int32_t row, bool selected);
    // The table as spreadsheet text (what BotoCopiarClick puts on the clipboard).
    std::string AmortCopyText() const;
    void BotoCopiarClick(TBotoPetit* sender);
    void FormKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers shift);

protected:
    // Tab, Enter and the arrows move through the input fields in their order.
    bool focusNextPrevChild(bool next) override;
    // The window sees every key of its controls first.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct TLoanFields {
        TPanelEx* Capital = nullptr;
        TPanelEx* Interes = nullptr;
        TPanelEx* Anys = nullptr;
        TPanelEx* Mesos = nullptr;
        TPanelEx* Quota = nullptr;
        TPanelEx* Interessos = nullptr;
    };

    // Building (interes_layout.cpp).
    void BuildLayout();
    TLoanFields BuildLoanColumn(QWidget* column, int loan);
    void BuildDifferenceColumn(QWidget* column);
    void BuildAmortGrid(QWidget* panel);
    void SetTabOrder();
    void FormCreate();

    // Wiring (interes_wiring.cpp).
    void WireEvents();
    void WireLoan(int loan);
    template <typename Handler>
    auto Guarded(Handler handler);

    // Loans (interes_loans.cpp).
    TLoanFields& Loan(int loan) { return loans_[static_cast<size_t>(loan - 1)]; }
    void LoanEnter(int loan);
    void CopyLoan1IntoLoan2();
    void CapitalEnter(int loan);
    void CapitalExit(int loan);
    void YearsChanged(int loan, TPanelEx* sender);
    double CapitalHundredths(int loan);
    void SetCapitalHundredths(int loan, double hundredths);
    TLoanResult ComputeAndShow(int loan);
    void ShowDifference(const TLoanDifference& difference);
    void DataExit();

    // The table (interes_table.cpp).
    void FillAmortization(int loan);
    void UpdateTotals();
    void ToggleCurrentRow();
    void ClearSelection();

    // Keys and focus (interes_keys.cpp).
    bool EditorHasFocus() const;
    bool CaretAtStart() const;
    bool GridHasFocus() const;
    void FocusField(int index, Qt::FocusReason reason);
    int FieldIndexOf(const QWidget* widget) const;
    void FocusArrived(QWidget* old, QWidget* now);

    std::array<TLoanFields, 2> loans_;
    TDataCalendari* data_ = nullptr;
    TPanelEx* difQuota_ = nullptr;
    TPanelEx* difInteres_ = nullptr;
    TBotoPetit* botoCopiar_ = nullptr;
    TGridEx* amort_ = nullptr;
    // The fields Tab goes through, in order.
    std::vector<QWidget*> tabOrder_;

    bool recalcPending_ = false;
    int activeLoan_ = 0;
    // Per capital field: it holds whole units (it has the focus).
    std::array<bool, 2> capitalInUnits_{false, false};
    std::unique_ptr<TFocusAreas> focusAreas_;
};

// The interest key of the main window: creates the window the first time,
// with `owner` as its owner, and keeps it in `window`; then shows it
// (modeless) and brings it to the front. Returns it.
TInteres* ShowInteres(QWidget* owner, TInteres*& window);
