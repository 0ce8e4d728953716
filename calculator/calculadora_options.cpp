// TCalculadora: the conversion buttons, the options menu, the interest key
// and the exit.

#include <QAction>
#include <QMenu>

#include "calculator/calculadora.h"
#include "controls/button/botopetit.h"
#include "controls/platform/keyboard.h"
#include "interest/interes.h"

void TCalculadora::BotoEurosClick() {
    engine_->ConvertTape(TConversion::ToEuros);
}

void TCalculadora::BotoPtsClick() {
    engine_->ConvertTape(TConversion::ToPesetas);
}

void TCalculadora::MenuDecimalsClick(int decimals) {
    engine_->ChooseDecimals(decimals);
}

void TCalculadora::MenuArrodonirTotalsClick() {
    engine_->ToggleRoundTotals();
}

void TCalculadora::MenuArrodonirCalculsClick() {
    engine_->ToggleRoundCalculations();
}

void TCalculadora::MenuArrodonirTotClick() {
    engine_->ToggleRoundAll();
}

void TCalculadora::MenuConvertirClick() {
    engine_->ToggleConvertOnCopy();
}

// The check marks show the options as they are now; the menu opens at the
// button, and the tape takes the focus back when it closes.
void TCalculadora::BotoPropietatsClick() {
    menuArrodonirTotals_->setChecked(engine_->RoundTotals());
    menuArrodonirCalculs_->setChecked(engine_->RoundCalculations());
    menuArrodonirTot_->setChecked(engine_->RoundAll());
    menuConvertir_->setChecked(engine_->ConvertOnCopy());
    menuPropietats_->popup(botoPropietats_->mapToGlobal(QPoint(10, 10)));
}

void TCalculadora::BotoSortirClick() {
    DiscardKeyboardMessages();
    close();
}

// Created the first time, then only shown and brought to the front.
void TCalculadora::BotoInteresClick() {
    ShowInteres(this, interes_);
}
