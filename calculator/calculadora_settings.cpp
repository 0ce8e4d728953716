// TCalculadora: the settings and tape file, Tarvik/Brimsum.Ini in the
// per-user configuration folder. Numbered 8-bit lines ended by CR LF:
//
//   1, 2   left and top edge of the window (a left edge below 1: centred)
//   3      tax-rate index          4   margin percentage
//   5      margin-type index       6   decimals
//   7      round totals (1 or 0)   8   round every number
//   9      round calculations      10  decimal point in copies
//   11     current tape row (any other: the first free row)
//   12 to 20 key=value extensions (finestra=WIDTHxHEIGHT, ives=...)
//   21...  tape rows 0, 1, 2 ... as tab-separated value, operator and link
//
// Any content loads: a line that is no number leaves its setting at its
// start value.

#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

#include "basic/environment.h"
#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "basic/translation.h"
#include "calculator/calculadora.h"
#include "calculator/windowsize.h"
#include "controls/combo/comboex.h"
#include "tapefiles/storedtape.h"

namespace {

// The decimals (line 6) and the first tape line (21): see storedtape.h.
enum TSettingsLine : int {
    kLeftLine = 1,
    kTopLine,
    kVatIndexLine,
    kMarginLine,
    kMarginTypeLine,
    kRoundTotalsLine = kDecimalsLine + 1,
    kRoundAllLine,
    kRoundCalculationsLine,
    kConvertOnCopyLine,
    kCurrentRowLine,
};

// Stored as 1 (true) or 0; any number above 1 reads as false.
std::optional<bool> OptionFlag(const std::string& line) {
    const std::optional<int32_t> number = SettingsNumber(line);
    if (!number) return std::nullopt;
    return *number == 1;
}

// A number that cannot be read (a lone comma) or is not finite reads as 0.
double SafeNumber(const std::string& line) {
    try {
        const double number = TextToFloat(line);
        return std::isfinite(number) ? number : 0;
    } catch (const PlatformError&) {
        return 0;
    }
}

std::string FlagText(bool on) {
    return on ? "1" : "0";
}

}  // namespace

std::string TCalculadora::SettingsFileName(bool createFolder) {
    const std::string folder = ShellFolder("AppData") + "/Tarvik/";
    if (createFolder && !QDir().mkpath(QString::fromStdString(folder)))
        throw PlatformError(Filled(Tr("TCalculadora", "Unable to create directory %1"), {folder}));
    return folder + "Brimsum.Ini";
}

void TCalculadora::ReadSettings() {
    const std::string fileName = SettingsFileName(true);
    TArrayCadena lines;
    if (QFile::exists(QString::fromStdString(fileName))) lines.LoadFromFile(fileName);

    ReadTape(lines);
    extensionLines_.Read(lines);
    ResizeToStoredSize(extensionLines_.Value(kWindowSizeKey));
    PlaceWindow(TextToInt(lines.ItemAt(kLeftLine)), TextToInt(lines.ItemAt(kTopLine)));
    ReadVatRates(extensionLines_);
    SetVatIndex(TextToInt(lines.ItemAt(kVatIndexLine)));
    SetMargin(SafeNumber(lines.ItemAt(kMarginLine)));
    cTipusMarge_->setCurrentIndex(TextToInt(lines.ItemAt(kMarginTypeLine)));
    ReadOptions(lines);

    engine_->SelectRow(StoredCurrentRow(lines.ItemAt(kCurrentRowLine)));
    // The tape comes back as it was written, computed rows included; the
    // next key evaluates it again. A number typed next starts a new entry, as
    // it would have before the restart.
    engine_->SetNewEntryPending(true);
}

// The tape comes back in one piece, with room for a free row after it.
void TCalculadora::ReadTape(const TArrayCadena& lines) {
    TTapeLines tape = StoredTape(lines);
    engine_->EditTape().ReplaceRows(std::move(tape.rows), tape.linkField);
}

// A stored row from 0 to the first free row comes back as it was; anything
// else makes the first free row current, so the next number is added to the
// tape and never typed over a stored row.
int32_t TCalculadora::StoredCurrentRow(const std::string& line) const {
    const std::optional<int32_t> row = SettingsNumber(line);
    const int32_t firstFree = engine_->Tape().UsedRows();
    return row && *row <= firstFree ? *row : firstFree;
}

void TCalculadora::ReadOptions(const TArrayCadena& lines) {
    if (const auto decimals = StoredDecimals(lines)) engine_->SetDecimals(*decimals);
    if (const auto on = OptionFlag(lines.ItemAt(kRoundTotalsLine))) engine_->SetRoundTotals(*on);
    if (const auto on = OptionFlag(lines.ItemAt(kRoundAllLine))) engine_->SetRoundAll(*on);
    if (const auto on = OptionFlag(lines.ItemAt(kRoundCalculationsLine)))
        engine_->SetRoundCalculations(*on);
    if (const auto on = OptionFlag(lines.ItemAt(kConvertOnCopyLine)))
        engine_->SetConvertOnCopy(*on);
}

// A stored left edge of 1 or more keeps the window where it was, as long as
// that place is still on a screen; otherwise the window opens centred.
void TCalculadora::PlaceWindow(int32_t left, int32_t top) {
    // A point a little inside the window's corner must lie on a screen.
    constexpr int32_t kInside = 20;
    const auto inside = [](int32_t edge) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{edge} + kInside, INT_MIN, INT_MAX));
    };
    if (left >= 1 && QGuiApplication::screenAt(QPoint(inside(left), inside(top))) != nullptr) {
        move(left, top);
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), frameGeometry().size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
}

// A window stored larger than its smallest size comes back at that size, as
// far as the screen has room.
void TCalculadora::ResizeToStoredSize(const std::optional<std::string>& stored) {
    const std::optional<QSize> size = stored ? WindowSizeFromText(*stored) : std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!size || screen == nullptr) return;
    resize(FittedWindowSize(*size, minimumSize(), screen->availableGeometry().size()));
}

// The smallest window writes no size, so that its file stays as it was; a
// size with no free line to go to is not kept.
void TCalculadora::StoreWindowSize(TExtensionLines& extensions) const {
    const QSize size = isMaximized() ? normalGeometry().size() : this->size();
    if (size == minimumSize()) {
        extensions.Remove(kWindowSizeKey);
    } else {
        extensions.Set(kWindowSizeKey, WindowSizeText(size));
    }
}

void TCalculadora::WriteSettings() const {
    TArrayCadena lines;
    lines.SetItemAt(kLeftLine, IntToText(pos().x()));
    lines.SetItemAt(kTopLine, IntToText(pos().y()));
    lines.SetItemAt(kVatIndexLine, IntToText(VatIndex()));
    lines.SetItemAt(kMarginLine, FloatToPlainText(marginPercent_));
    lines.SetItemAt(kMarginTypeLine, IntToText(cTipusMarge_->currentIndex()));
    lines.SetItemAt(kDecimalsLine, IntToText(engine_->Decimals()));
    lines.SetItemAt(kRoundTotalsLine, FlagText(engine_->RoundTotals()));
    lines.SetItemAt(kRoundAllLine, FlagText(engine_->RoundAll()));
    lines.SetItemAt(kRoundCalculationsLine, FlagText(engine_->RoundCalculations()));
    lines.SetItemAt(kConvertOnCopyLine, FlagText(engine_->ConvertOnCopy()));
    const TTapeDocument& tape = engine_->Tape();
    lines.SetItemAt(kCurrentRowLine, IntToText(tape.CurrentRow()));
    TExtensionLines extensions = extensionLines_;
    const bool ratesStored = vatRates_.WriteTo(extensions);
    StoreWindowSize(extensions);
    extensions.Write(lines);
    const int32_t used = tape.UsedRows();
    for (int32_t row = 0; row < used; ++row)
        lines.SetItemAt(row + kFirstTapeLine, tape.RowText(row));
    // The folder is made again if it went away while the program ran.
    lines.SaveToFile(SettingsFileName(true));
    if (!ratesStored)
        throw PlatformError(tr("Els tipus d'IVA no s'han pogut desar: les línies 12 a 20 del "
                               "fitxer de configuració ja són plenes.")
                                .toStdString());
}
