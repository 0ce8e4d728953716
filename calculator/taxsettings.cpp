#include "calculator/taxsettings.h"

void TTaxSettings::AdoptRates(const TVatRates& edited) {
    const TVatRates before = rates_;
    rates_.Adopt(edited);
    if (!(rates_.Slots() == before.Slots())) Q_EMIT Changed();
}

void TTaxSettings::ReadRates(const TExtensionLines& lines, TVatRates::TSource source) {
    rates_.ReadFrom(lines, source);
    Q_EMIT Changed();
}

void TTaxSettings::SetVatIndex(int index) {
    const int selected = rates_.Text(index) ? index : -1;
    if (selected == vatIndex_) return;
    vatIndex_ = selected;
    Q_EMIT Changed();
}

void TTaxSettings::SetMargin(double percent) {
    if (percent == marginPercent_) return;
    marginPercent_ = percent;
    Q_EMIT Changed();
}

void TTaxSettings::SetMarginTypeIndex(int index) {
    if (index == marginTypeIndex_) return;
    marginTypeIndex_ = index;
    Q_EMIT Changed();
}
