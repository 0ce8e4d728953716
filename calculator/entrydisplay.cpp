#include "calculator/entrydisplay.h"

#include <QLineEdit>

#include "calculator/deskindicators.h"
#include "controls/panel/panelex.h"
#include "tape/tapeengine.h"

// What the user types into the display is the entry.
TEntryDisplay::TEntryDisplay(TPanelEx& number, TPanelEx& subtotal, TTapeEngine& engine)
    : QObject(&number),
      engine_(&engine),
      indicators_(new TDeskIndicators(number, subtotal, engine)),
      cNumero_(number),
      cSubtotal_(subtotal) {
    WatchEngine();
    cNumero_.OnEditorTextChanged = [this](TPanelEx*) { engine_->SetEntryText(cNumero_.Caption()); };
}

// The entry shown in the open editor follows the engine.
void TEntryDisplay::WatchEngine() {
    connect(engine_, &TTapeEngine::EntryTextChanged, this, [this] { ShowEngine(); });
    connect(engine_, &TTapeEngine::SubtotalTextChanged, this, [this] { ShowEngine(); });
}

void TEntryDisplay::ShowEngine() {
    const std::string& text = engine_->EntryText();
    cNumero_.SetCaption(text);
    if (cNumero_.IsEditing() && cNumero_.Editor()->text().toStdString() != text)
        cNumero_.Editor()->setText(QString::fromStdString(text));
    cSubtotal_.SetCaption(engine_->SubtotalText());
}

void TEntryDisplay::Follow(TTapeEngine& engine) {
    if (&engine == engine_) return;
    disconnect(engine_, nullptr, this, nullptr);
    engine_ = &engine;
    WatchEngine();
    ShowEngine();
    indicators_->Follow(engine);
}

void TEntryDisplay::StartEditing() {
    cNumero_.StartEditing();
}

bool TEntryDisplay::Editing() const {
    return cNumero_.IsEditing();
}
