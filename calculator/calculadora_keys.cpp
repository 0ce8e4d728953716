// TCalculadora: the keyboard map. The window sees every key of its controls
// before they do and plays the same handlers as the keypad.

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMetaObject>

#include "calculator/calculadora.h"
#include "calculator/tapefilecommands.h"
#include "calculator/tapeview.h"
#include "controls/panel/panelex.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/keyboard.h"

namespace {

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsEntryCharacter(char c) {
    return c == ',' || c == '.' || (c >= '0' && c <= '9');
}

}  // namespace

// A key event is handled once, where it is first delivered: at the focused
// control of this window, or at the window itself when none has the focus.
bool TCalculadora::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return false;
    QWidget* focus = QApplication::focusWidget();
    const bool focusHere = focus != nullptr && focus->window() == this;
    if (focusHere ? widget != focus : widget != this) return false;

    auto* keyEvent = static_cast<QKeyEvent*>(event);
    int key = keyEvent->key();
    // The numeric keypad's keys count as keys without a modifier.
    const Qt::KeyboardModifiers shift = keyEvent->modifiers() & ~Qt::KeypadModifier;
    // A key whose action failed goes no further: the action stopped there.
    // Passed on, it would travel up to the window while the error box still
    // holds the focus, and the window would take it for a key of its own.
    const bool done =
        RunGuarded(this, [&] { FormKeyDown(watched, key, shift, KeyText(*keyEvent)); });
    return !done || key == 0;
}

void TCalculadora::FormKeyDown(QObject*, int& key, Qt::KeyboardModifiers shift,
                               const std::string& text) {
    // While the margin field or a comment is being edited, the keys are theirs.
    if (teclaQuinMarge_->IsEditing() || tapeView_->EditingComment()) return;
    // Enter chooses the rate of the open rate list (or opens the editor from
    // its last entry) and Escape leaves it; the list closes and the tape takes
    // the focus back.
    if (llistaIvas_->hasFocus() && (IsEnterKey(key) || key == Qt::Key_Escape)) {
        const bool edit = IsEnterKey(key) && EditEntryChosen();
        key = 0;
        FocusTape();
        if (edit) MenuTipusIvaClick();
        return;
    }
    if (IsEnterKey(key)) {
        // An edit of the display ends before its entry is used.
        if (EntryEditing()) {
            key = 0;
            FocusTape();
        }
        engine_->EnterEntry();
        return;
    }
    const bool plain = shift == Qt::NoModifier;
    if (plain && !EntryEditing() && EditingKeys(key)) return;
    if (!EntryEditing() && UndoKeys(key, shift)) return;
    if (files_->Keys(key, shift)) return;
    if (shift == Qt::ControlModifier && ControlKeys(key)) return;
    if (text.size() != 1) return;
    const char c = text[0];
    // Shift counts as no modifier for the characters that need it on some
    // keyboard layout ("+", "*", "%", "=", even digits), never for a letter.
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!plain && (shift != Qt::ShiftModifier || letter)) return;
    if (EntryEditing()) {
        // The display's editor types the digits and the comma itself; the
        // other characters still work as keys and go no further.
        if (IsEntryCharacter(c)) return;
        key = 0;
        FocusTape();
    } else if (engine_->NewEntryPending() && IsEntryCharacter(c)) {
        engine_->SetEntryText({});
        engine_->SetNewEntryPending(false);
    }
    CharacterKey(c);
}

// The keys without a character. Returns true when the key has been handled.
bool TCalculadora::EditingKeys(int& key) {
    switch (key) {
        case Qt::Key_F2:
            cNumero_->StartEditing();
            return true;
        case Qt::Key_F3:
            tapeView_->EditComment();
            return true;
        case Qt::Key_F7:
            engine_->LinkValue();
            return true;
        case Qt::Key_F8:
            files_->ClearTape();
            return true;
        case Qt::Key_F10:
            key = 0;
            BotoSortirClick();
            return true;
        case Qt::Key_Backspace:
            engine_->TeclaDarreraClick();
            return true;
        case Qt::Key_Escape:
            key = 0;
            DiscardKeyboardMessages();
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
            return true;
        case Qt::Key_Insert:
            engine_->OpenRow();
            return true;
        case Qt::Key_Delete:
            engine_->DeleteTapeRow();
            return true;
        default:
            return false;
    }
}

// The clipboard keys, with Ctrl alone. Ctrl+Insert copies the result and
// appends it to the tape.
bool TCalculadora::ControlKeys(int key) {
    switch (key) {
        case Qt::Key_C:
        case Qt::Key_R:
            CopyResult();
            return true;
        case Qt::Key_Insert:
            CopyResult();
            PasteAppend();
            return true;
        case Qt::Key_N:
            CopyValues();
            return true;
        case Qt::Key_P:
            CopyTape();
            return true;
        case Qt::Key_E:
            PasteReplace();
            return true;
        case Qt::Key_V:
            PasteAppend();
            return true;
        default:
            return false;
    }
}

// Ctrl+Z undoes the last change of the tape; Ctrl+Y and Ctrl+Shift+Z redo it.
// While the display is being edited they are its editor's.
bool TCalculadora::UndoKeys(int& key, Qt::KeyboardModifiers shift) {
    const bool undo = key == Qt::Key_Z && shift == Qt::ControlModifier;
    const bool redo = (key == Qt::Key_Y && shift == Qt::ControlModifier) ||
                      (key == Qt::Key_Z && shift == (Qt::ControlModifier | Qt::ShiftModifier));
    if (!undo && !redo) return false;
    key = 0;
    if (undo) {
        MenuDesferClick();
    } else {
        MenuReferClick();
    }
    return true;
}

void TCalculadora::CharacterKey(char c) {
    TTapeEngine& engine = *engine_;
    if (c >= '0' && c <= '9') return engine.TeclaClick(DigitKey(c - '0'));
    switch (c) {
        case ' ':
        case '=':
            return engine.TeclaIgualClick();
        case '%':
        case 'T':
        case 't':
            return engine.TeclaPercentClick();
        case '*':
        case 'X':
        case 'x':
            return engine.TeclaMultiplicarClick();
        case '+':
            return engine.TeclaMesClick();
        case '-':
            return engine.TeclaMenysClick();
        case '/':
            return engine.TeclaDividirClick();
        case ',':
        case '.':
            return engine.TeclaClick(TEntryKey::Comma);
        case 'B':
        case 'b':
            return TeclaMenysIvaClick();
        case 'C':
        case 'c':
            return engine.TeclaBorrarClick();
        case 'E':
        case 'e':
            return BotoEurosClick();
        case 'I':
        case 'i':
            return TeclaMesIvaClick();
        case 'M':
        case 'm':
            return TeclaMesMargeClick();
        case 'N':
        case 'n':
            return TeclaMenysMargeClick();
        case 'P':
        case 'p':
            return BotoPtsClick();
        case 'Q':
        case 'q':
            return TeclaPerIvaClick();
        default:
            return;
    }
}

bool TCalculadora::EntryEditing() const {
    return cNumero_->IsEditing();
}
