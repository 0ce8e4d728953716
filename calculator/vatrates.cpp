#include "calculator/vatrates.h"

#include <algorithm>
#include <vector>

#include "basic/numbertext.h"
#include "basic/stringlists.h"
#include "basic/translation.h"
#include "calculator/extensionlines.h"

namespace {

// The key of the extension line that holds an edited list.
constexpr const char* kVatRatesKey = "ives";
constexpr char kSlotSeparator = ';';
constexpr char kRateSeparator = ':';

enum class TRateReading { Read, NoNumber, TooManyDecimals, OutOfRange };

bool IsDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A rate in the stored form, digits with an optional point and decimals, read
// digit by digit so that 5.2 is exactly 520 hundredths.
TRateReading ReadHundredths(const std::string& text, int32_t& hundredths) {
    if (!text.empty() && text[0] == '-') {
        const TRateReading magnitude = ReadHundredths(text.substr(1), hundredths);
        return magnitude == TRateReading::Read ? TRateReading::OutOfRange : magnitude;
    }
    const size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
    if (!IsDigits(whole) || (point != std::string::npos && !IsDigits(decimals)))
        return TRateReading::NoNumber;
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    decimals.erase(decimals.find_last_not_of('0') + 1);
    if (decimals.size() > 2) return TRateReading::TooManyDecimals;
    if (whole.size() > 3) return TRateReading::OutOfRange;
    decimals.resize(2, '0');
    hundredths = (whole.empty() ? 0 : std::stoi(whole)) * 100 + std::stoi(decimals);
    return hundredths <= TVatRates::kMaxHundredths ? TRateReading::Read : TRateReading::OutOfRange;
}

// The parts of a text between separators, blanks and quotes kept.
std::vector<std::string> Split(const std::string& text, char separator) {
    return SplitFieldList(text, std::string(1, separator), sfNoTrim | sfIgnoreQuotes);
}

// Why one "text:rate" slot (numbered from 1) cannot be read; empty when it
// can, with the slot in `slot`.
std::string ReadSlot(const std::string& field, int number, TVatSlot& slot) {
    const std::string which = std::to_string(number);
    const std::vector<std::string> parts = Split(field, kRateSeparator);
    if (parts.size() != 2)
        return Filled(Tr("TVatRates", "el tipus %1 no té la forma text:percentatge"), {which});
    const std::string& rate = parts[1];
    switch (ReadHundredths(rate, slot.hundredths)) {
        case TRateReading::Read:
            slot.text = parts[0];
            return {};
        case TRateReading::NoNumber:
            return Filled(
                Tr("TVatRates",
                   "el tipus %1 té el percentatge \"%2\", que no és un número escrit amb punt "
                   "decimal (com 5.2)"),
                {which, rate});
        case TRateReading::TooManyDecimals:
            return Filled(
                Tr("TVatRates", "el tipus %1 té el percentatge %2, amb més de dos decimals"),
                {which, rate});
        case TRateReading::OutOfRange:
            break;
    }
    return Filled(Tr("TVatRates", "el tipus %1 té el percentatge %2, fora de 0 a 100"),
                  {which, rate});
}

}  // namespace

TVatRates::TVatRates() {
    Fill(kOriginalVatItems);
}

double TVatRates::Rate(int index) const {
    return index >= 0 && index < kSlotCount ? slots_[static_cast<size_t>(index)].Rate() : 0.0;
}

std::optional<std::string> TVatRates::Text(int index) const {
    if (index < 0 || index >= kSlotCount) return std::nullopt;
    return slots_[static_cast<size_t>(index)].text;
}

bool TVatRates::IsOriginal() const {
    TVatRates original;
    return slots_ == original.slots_;
}

bool TVatRates::IsValidText(const std::string& text) {
    const std::string forbidden = {kSlotSeparator, kRateSeparator, '\r', '\n', '\0'};
    return text.find_first_of(forbidden) == std::string::npos;
}

bool TVatRates::SetText(int index, const std::string& text) {
    if (index < 0 || index >= kSlotCount || !IsValidText(text)) return false;
    slots_[static_cast<size_t>(index)].text = text;
    return true;
}

bool TVatRates::SetRate(int index, int32_t hundredths) {
    if (index < 0 || index >= kSlotCount || hundredths < 0 || hundredths > kMaxHundredths)
        return false;
    slots_[static_cast<size_t>(index)].hundredths = hundredths;
    return true;
}

void TVatRates::Fill(const std::array<TVatItem, kSlotCount>& items) {
    for (size_t index = 0; index < items.size(); ++index)
        slots_[index] = {items[index].text, items[index].hundredths};
}

void TVatRates::Adopt(const TVatRates& edited) {
    if (edited.slots_ == slots_) return;
    slots_ = edited.slots_;
    refusedValue_.reset();
    refusal_.clear();
}

void TVatRates::ReadFrom(const TExtensionLines& lines, TSource source) {
    Fill(source == TSource::NoSettingsFile ? kVatItemsInForce : kOriginalVatItems);
    refusedValue_.reset();
    refusal_.clear();
    const std::optional<std::string> value = lines.Value(kVatRatesKey);
    if (!value) return;
    if (const std::optional<TSlots> slots = Parse(*value, refusal_)) {
        slots_ = *slots;
        return;
    }
    refusedValue_ = value;
}

bool TVatRates::WriteTo(TExtensionLines& lines) const {
    const std::optional<std::string> value = StoredValue();
    if (!value) {
        lines.Remove(kVatRatesKey);
        return true;
    }
    return lines.Set(kVatRatesKey, *value);
}

std::optional<std::string> TVatRates::StoredValue() const {
    if (refusedValue_) return refusedValue_;
    if (IsOriginal()) return std::nullopt;
    return Format(slots_);
}

std::optional<TVatRates::TSlots> TVatRates::Parse(const std::string& value, std::string& why) {
    const std::vector<std::string> fields = Split(value, kSlotSeparator);
    if (fields.size() != kSlotCount) {
        why = Filled(Tr("TVatRates", "té %1 tipus en lloc de %2"),
                     {std::to_string(fields.size()), std::to_string(kSlotCount)});
        return std::nullopt;
    }
    TSlots slots;
    for (size_t index = 0; index < fields.size(); ++index) {
        why = ReadSlot(fields[index], static_cast<int>(index) + 1, slots[index]);
        if (!why.empty()) return std::nullopt;
    }
    return slots;
}

std::string TVatRates::Format(const TSlots& slots) {
    std::string text;
    for (const TVatSlot& slot : slots) {
        if (&slot != &slots.front()) text += kSlotSeparator;
        text += slot.text + kRateSeparator + FloatToPlainText(slot.Rate());
    }
    return text;
}
