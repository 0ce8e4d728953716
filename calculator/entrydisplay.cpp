#include "calculator/entrydisplay.h"

#include <QLineEdit>

#include "controls/panel/panelex.h"
#include "tape/tapeengine.h"

// What the user types into the display is the entry, and the entry shown in
// the open editor follows the engine.
TEntryDisplay::TEntryDisplay(TPanelEx& number, TPanelEx& subtotal, TTapeEngine& engine)
    : QObject(&number), engine_(engine), cNumero_(number), cSubtotal_(subtotal) {
    connect(&engine_, &TTapeEngine::EntryTextChanged, this, [this](const std::string& text) {
        cNumero_.SetCaption(text);
        if (cNumero_.IsEditing() && cNumero_.Editor()->text().toStdString() != text)
            cNumero_.Editor()->setText(QString::fromStdString(text));
    });
    connect(&engine_, &TTapeEngine::SubtotalTextChanged, this,
            [this](const std::string& text) { cSubtotal_.SetCaption(text); });
    cNumero_.OnEditorTextChanged = [this](TPanelEx*) { engine_.SetEntryText(cNumero_.Caption()); };
}

void TEntryDisplay::StartEditing() {
    cNumero_.StartEditing();
}

bool TEntryDisplay::Editing() const {
    return cNumero_.IsEditing();
}
