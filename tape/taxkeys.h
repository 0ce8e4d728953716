#pragma once

// The tax and margin keys. None computes anything itself: each plays a short
// sequence of the engine's operator keys with the number in the entry, so
// the tax or margin lands on the tape as ordinary rows and the evaluation
// does the arithmetic. Each is one step of the undo history. `rate` and
// `margin` are percentages.

#include <cstdint>
#include <string>

#include "tape/tapeoptions.h"

class TTapeEngine;

// What the margin percentage means (the index of the margin-type combo box).
enum class TMarginType : uint8_t {
    OverSalePrice = 0,  // "Marge S/PVP": the margin is a share of the selling price
    OverCost = 1,       // "Marge S/Cost": the margin is added to the cost
    Discount = 2,       // "Descompte"
};
// Any index other than 0, 1 or 2 counts as 0.
TMarginType MarginTypeFromIndex(int index);

// "+ Iva": the number with "+", the rate with "%", the tax amount after them.
void AddTax(TTapeEngine& engine, double rate);
// "Base Imp": the number divided by 1 + rate / 100.
void TaxableBase(TTapeEngine& engine, double rate);
// "Quota Iva": the number with "x", the rate with "%": the tax amount.
void TaxAmount(TTapeEngine& engine, double rate);
// "+ Marge" / "+ Dte".
void AddMargin(TTapeEngine& engine, double margin, TMarginType type);
// "- Marge" / "- Dte".
void RemoveMargin(TTapeEngine& engine, double margin, TMarginType type);

// The text of a divisor such as 1.16: with RoundTotals, written with
// `Decimals` decimals when that text is exactly the factor.
std::string FactorText(const TTapeOptions& options, double factor);
