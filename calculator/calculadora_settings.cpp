// TCalculadora: the settings and tape file (its lines: settingsfile.h). The
// file is read when the window is created and written when it goes.

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <climits>

#include "basic/environment.h"
#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "basic/translation.h"
#include "calculator/calculadora.h"
#include "calculator/settingsfile.h"
#include "calculator/settingskeeper.h"
#include "calculator/taxpanel.h"
#include "calculator/taxsettings.h"
#include "calculator/windowsize.h"
#include "controls/platform/staysontop.h"
#include "tape/tapeengine.h"

std::string TCalculadora::SettingsFileName(bool createFolder) {
    const std::string folder = ShellFolder("AppData") + "/Tarvik/";
    if (createFolder && !QDir().mkpath(QString::fromStdString(folder)))
        throw PlatformError(
            Filled(Tr("TCalculadora", "No s'ha pogut crear la carpeta %1"), {folder}));
    return folder + "Brimsum.Ini";
}

namespace {

// A stored left edge of 1 or more keeps the window where it was, as long as
// that place is still on a screen; otherwise the window opens centred.
void PlaceWindow(QWidget& window, int32_t left, int32_t top) {
    // A point a little inside the window's corner must lie on a screen.
    constexpr int32_t kInside = 20;
    const auto inside = [](int32_t edge) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{edge} + kInside, INT_MIN, INT_MAX));
    };
    if (left >= 1 && QGuiApplication::screenAt(QPoint(inside(left), inside(top))) != nullptr) {
        window.move(left, top);
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), window.frameGeometry().size());
        place.moveCenter(screen->availableGeometry().center());
        window.move(place.topLeft());
    }
}

// A window stored larger than its smallest size comes back at that size, as
// far as the screen has room.
void ResizeToStoredSize(QWidget& window, const std::optional<std::string>& stored) {
    const std::optional<QSize> size = stored ? WindowSizeFromText(*stored) : std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!size || screen == nullptr) return;
    window.resize(
        FittedWindowSize(*size, window.minimumSize(), screen->availableGeometry().size()));
}

// The smallest window writes no size, so that its file stays as it was; a
// size with no free line to go to is not kept.
void StoreWindowSize(const QWidget& window, TExtensionLines& extensions) {
    const QSize size = window.isMaximized() ? window.normalGeometry().size() : window.size();
    if (size == window.minimumSize()) {
        extensions.Remove(kWindowSizeKey);
    } else {
        extensions.Set(kWindowSizeKey, WindowSizeText(size));
    }
}

}  // namespace

// The file and its journal: the tape and the engine's state come back as
// they were left, the window takes its place, its rates and its margin.
void TCalculadora::ReadSettings() {
    const bool found = QFile::exists(QString::fromStdString(SettingsFileName(true)));
    const TStoredSettings stored = tapes_->StartFirst();
    extensionLines_ = stored.extensions;
    ResizeToStoredSize(*this, extensionLines_.Value(kWindowSizeKey));
    PlaceWindow(*this, stored.left, stored.top);
    SetStaysOnTop(*this, stored.staysOnTop);
    taxSettings_->ReadRates(extensionLines_, found ? TVatRates::TSource::SettingsFile
                                                   : TVatRates::TSource::NoSettingsFile);
    taxSettings_->SetVatIndex(stored.vatIndex);
    taxSettings_->SetMargin(stored.marginPercent);
    taxSettings_->SetMarginTypeIndex(stored.marginType);
    const std::string& problem = tapes_->Keeper(0).ReplayProblem();
    if (!problem.empty()) throw PlatformError(problem);
}

TStoredSettings TCalculadora::CurrentSettings() const {
    TStoredSettings stored;
    stored.left = pos().x();
    stored.top = pos().y();
    stored.vatIndex = taxSettings_->VatIndex();
    stored.marginPercent = taxSettings_->MarginPercent();
    stored.marginType = taxSettings_->MarginTypeIndex();
    // The first tape's state, with the options of the tape in use.
    StoreEngineState(tapes_->Engine(0), stored);
    StoreOptions(tapes_->Current().Options(), stored);
    stored.staysOnTop = StaysOnTop(*this);
    stored.extensions = extensionLines_;
    taxSettings_->Rates().WriteTo(stored.extensions);
    StoreWindowSize(*this, stored.extensions);
    return stored;
}

// The folder is made again if it went away while the program ran.
void TCalculadora::WriteSettings() {
    SettingsFileName(true);
    tapes_->Fold();
    TExtensionLines extensions = extensionLines_;
    if (!taxSettings_->Rates().WriteTo(extensions))
        throw PlatformError(tr("Els tipus d'IVA no s'han pogut desar: les línies 12 a 20 del "
                               "fitxer de configuració ja són plenes.")
                                .toStdString());
}
