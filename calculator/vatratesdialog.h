#pragma once

// TVatRatesDialog: the editor of the tax-rate list, a view of a copy of the
// window's TVatRates. Each of the nine slots shows its item text and its
// rate (two decimals, 0 to 100); "Tipus vigents" (the rates in force) and
// "Tipus de 1995" (the original list, in force from 1995 to 2010) fill all
// nine at once. Rates() holds the edited copy once the dialog is
// accepted; the window adopts it.
//
// Keyboard: Tab moves from a text to its rate and on to the next slot, Enter
// accepts, Escape cancels. A typed point is a decimal comma, as on the
// keypad.

#include <QDialog>
#include <array>

#include "calculator/vatrates.h"

class QDoubleSpinBox;
class QGridLayout;
class QLineEdit;
class QVBoxLayout;

class TVatRatesDialog : public QDialog {
    Q_OBJECT

public:
    TVatRatesDialog(const TVatRates& rates, QWidget* parent = nullptr);

    const TVatRates& Rates() const { return rates_; }

private:
    void BuildSlots(QGridLayout* grid);
    void BuildButtons(QVBoxLayout* layout);
    void FillWith(const std::array<TVatItem, TVatRates::kSlotCount>& items);
    // The widgets show the copy's slots.
    void ShowSlots();

    TVatRates rates_;
    std::array<QLineEdit*, TVatRates::kSlotCount> texts_{};
    std::array<QDoubleSpinBox*, TVatRates::kSlotCount> percents_{};
};
