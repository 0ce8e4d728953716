#pragma once

// TVatRates: the nine slots of the tax-rate list, each an item text and the
// rate the tax keys use. The rate comes from the slot by the selected index,
// never from the text. The user may type other texts and rates, or fill the
// list with the rates in force today or with the original ones.
//
// The settings file keeps an edited list on one extension line,
//     ives=21%:21;10%:10;...
// nine "text:rate" slots with the rate in the stored form. The original list
// writes no line at all, so a file without the line has the original list:
// the files of earlier versions keep the rates their stored rate index and
// tape were written with. A start without a settings file (a new user) gets
// the rates in force, stored on the line like any edited list. A line that
// cannot be read is not used (the original list applies), is written back
// exactly as it was read until the user changes the rates, and Refusal() says
// why.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class TExtensionLines;

// A rate in hundredths of a percent: 520 is 5.2 %. Rates have two decimals.
struct TVatItem {
    const char* text;
    int32_t hundredths;
};

// The items marked Re are surcharge rates on their own; the last three are a
// tax rate and its surcharge added together.
inline constexpr std::array<TVatItem, 9> kOriginalVatItems = {{
    {"16%", 1600},
    {"7%", 700},
    {"4%", 400},
    {"4% Re", 400},
    {"1% Re", 100},
    {"0.5% Re", 50},
    {"20% (16%+4%)", 2000},
    {"8% (7%+1%)", 800},
    {"5.5% (4%+0.5%)", 550},
}};

// The Spanish rates since September 2012, in the places of the original ones.
inline constexpr std::array<TVatItem, 9> kVatItemsInForce = {{
    {"21%", 2100},
    {"10%", 1000},
    {"4%", 400},
    {"5.2% Re", 520},
    {"1.4% Re", 140},
    {"0.5% Re", 50},
    {"26.2% (21%+5.2%)", 2620},
    {"11.4% (10%+1.4%)", 1140},
    {"4.5% (4%+0.5%)", 450},
}};

struct TVatSlot {
    std::string text;
    int32_t hundredths = 0;

    double Rate() const { return hundredths / 100.0; }
    bool operator==(const TVatSlot&) const = default;
};

class TVatRates {
public:
    static constexpr int kSlotCount = 9;
    static constexpr int32_t kMaxHundredths = 100 * 100;
    using TSlots = std::array<TVatSlot, kSlotCount>;
    // What a start found to read the list from.
    enum class TSource { NoSettingsFile, SettingsFile };

    // The original list.
    TVatRates();

    const TSlots& Slots() const { return slots_; }
    // The rate of the slot at `index`, in percent; 0 for any index outside.
    double Rate(int index) const;
    // The item text of the slot at `index`; nothing for any index outside.
    std::optional<std::string> Text(int index) const;
    bool IsOriginal() const;

    // ---- Editing -----------------------------------------------------------
    // A text the stored line can hold: no ";", ":", CR, LF or NUL.
    static bool IsValidText(const std::string& text);
    // False, and nothing changes, for a text that is not valid.
    bool SetText(int index, const std::string& text);
    // False, and nothing changes, outside 0 to 100 %.
    bool SetRate(int index, int32_t hundredths);
    void Fill(const std::array<TVatItem, kSlotCount>& items);
    // Takes the slots of an edited copy. Only a change counts: the same slots
    // keep a refused stored line as it was.
    void Adopt(const TVatRates& edited);

    // ---- The settings file -------------------------------------------------
    // Reads the "ives" line of a settings file; without one, the original
    // list. With no settings file at all (`lines` is then empty), the rates
    // in force.
    void ReadFrom(const TExtensionLines& lines, TSource source);
    // Writes the "ives" line, or removes it for the original list. False when
    // the line found no room (every extension line holds something else).
    bool WriteTo(TExtensionLines& lines) const;
    // Why the stored line was not used; empty when it was used or absent.
    const std::string& Refusal() const { return refusal_; }

    // The slots of a stored line; nothing, with the reason in `why`, for a
    // line that is not nine valid "text:rate" slots.
    static std::optional<TSlots> Parse(const std::string& value, std::string& why);
    static std::string Format(const TSlots& slots);

private:
    // The line to store; nothing for the original list.
    std::optional<std::string> StoredValue() const;

    TSlots slots_;
    std::optional<std::string> refusedValue_;
    std::string refusal_;
};
