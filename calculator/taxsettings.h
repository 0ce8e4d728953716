#pragma once

// TTaxSettings: what the tax and margin keys work with: the nine rates of
// the rate list, the selected rate, the margin percentage and what it means.
// The tax panel shows and edits it; the settings file keeps it.

#include <QObject>

#include "calculator/vatrates.h"
#include "tape/taxkeys.h"

class TTaxSettings : public QObject {
    Q_OBJECT

public:
    const TVatRates& Rates() const { return rates_; }
    // Takes the slots of an edited copy (TVatRates::Adopt).
    void AdoptRates(const TVatRates& edited);
    // The rates as the settings file holds them (TVatRates::ReadFrom).
    void ReadRates(const TExtensionLines& lines, TVatRates::TSource source);

    // The selected rate's index; -1 for none (a stored index outside the
    // list).
    int VatIndex() const { return vatIndex_; }
    // An index with no rate selects none.
    void SetVatIndex(int index);
    // The rate of the selected index (0 for none).
    double VatRate() const { return rates_.Rate(vatIndex_); }

    double MarginPercent() const { return marginPercent_; }
    void SetMargin(double percent);
    // The index of the margin type as chosen (any number may be stored);
    // MarginType reads any other than 0 to 2 as 0.
    int MarginTypeIndex() const { return marginTypeIndex_; }
    void SetMarginTypeIndex(int index);
    TMarginType MarginType() const { return MarginTypeFromIndex(marginTypeIndex_); }

Q_SIGNALS:
    void Changed();

private:
    TVatRates rates_;
    int vatIndex_ = 0;
    double marginPercent_ = 0;
    int marginTypeIndex_ = 0;
};
