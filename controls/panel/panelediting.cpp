// TPanelEx: the in-place editor. The caption is the stored value; the editor
// shows it as typed (or as dd/mm/yyyy behind a mask in the date form) and
// writes every change back at once.

#include <QResizeEvent>

#include "basic/dates.h"
#include "controls/accessibility/accessibility.h"
#include "controls/panel/paneleditor.h"
#include "controls/panel/panelex.h"
#include "controls/platform/keyboard.h"

namespace {

// Eight required digits with two fixed slashes.
const QString kDateMask = QStringLiteral("99/99/9999");

}  // namespace

bool TPanelEx::IsEditing() const {
    return editor_ != nullptr && editor_->isVisible();
}

QLineEdit* TPanelEx::Editor() {
    if (editor_ != nullptr) return editor_;
    editor_ = new TPanelEditor(this);
    editor_->setObjectName(objectName() + QStringLiteral("Edit"));
    editor_->setGeometry(rect());
    editor_->setAlignment(alignment_ | Qt::AlignVCenter);
    LoadEditorText();
    editor_->raise();
    editor_->hide();
    editor_->OnEnter = [this] { LoadEditorText(); };
    editor_->OnExit = [this] { EditorExit(); };
    editor_->OnKeyDown = [this](QObject* sender, int& key, Qt::KeyboardModifiers shift) {
        EditorKeyDown(sender, key, shift);
    };
    editor_->OnKeyUp = [this](int key) { EditorKeyUp(key); };
    connect(editor_, &QLineEdit::textChanged, this, [this] {
        StoreEditorText();
        if (OnEditorTextChanged) OnEditorTextChanged(this);
    });
    return editor_;
}

void TPanelEx::LoadEditorText() {
    if (IsDateForm()) {
        if (editor_->inputMask() != kDateMask) editor_->setInputMask(kDateMask);
        const QString raw = QString::fromStdString(FormatDateText(caption_, kDayMonthYear));
        if (editor_->text() != raw) editor_->setText(raw);
        return;
    }
    if (!editor_->inputMask().isEmpty()) editor_->setInputMask(QString());
    editor_->setText(QString::fromStdString(caption_));
}

void TPanelEx::StoreEditorText() {
    const std::string text = editor_->text().toStdString();
    SetCaption(IsDateForm() ? NormalizeDate(text) : text);
}

void TPanelEx::StartEditing() {
    if (!editable_) return;
    QLineEdit* editor = Editor();
    editor->setGeometry(rect());
    // The editor stands in for the panel: it carries the panel's name.
    editor->setAccessibleName(AccessibleName(this));
    LoadEditorText();
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void TPanelEx::EditorExit() {
    StoreEditorText();
    editor_->hide();
    if (OnEditorExit) OnEditorExit(this);
    DoChanged();
}

// The window's own key handling hears the key first (through OnKeyDown);
// Return then ends here and goes no further; keys typed after it still
// arrive.
void TPanelEx::EditorKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers shift) {
    if (OnKeyDown) OnKeyDown(sender, key, shift);
    if (IsTab(key)) {
        DoChanged();
    } else if (IsEnter(key)) {
        DoChanged();
        DiscardKeyboardMessages();
        key = 0;
    }
}

void TPanelEx::EditorKeyUp(int key) {
    if (IsTab(key) || IsEnter(key)) DoChanged();
}

void TPanelEx::DoChanged() {
    if (OnChanged) OnChanged(this);
}

void TPanelEx::SetEditable(bool editable) {
    editable_ = editable;
    if (!editable) Editor()->hide();
}

// An open editor keeps covering the whole panel.
void TPanelEx::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (editor_ != nullptr) editor_->setGeometry(rect());
}
