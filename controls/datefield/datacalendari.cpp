#include "controls/datefield/datacalendari.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <cstring>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/tdata.h"
#include "controls/accessibility/accessibility.h"
#include "controls/platform/focus.h"
#include "controls/platform/keyboard.h"

namespace {

const QDate kDayZero(1899, 12, 30);
const QString kEmptyDate = QStringLiteral("00/00/0000");

QDate DateFromValue(TDateTime value) {
    return kDayZero.addDays(static_cast<qint64>(value));
}
TDateTime ValueFromDate(const QDate& date) {
    return static_cast<TDateTime>(kDayZero.daysTo(date));
}

bool IsPeriodLetter(const std::string& text) {
    return text.size() == 1 && std::strchr("DMATSdmats", text[0]) != nullptr;
}

}  // namespace

TDataCalendari::TDataCalendari(QWidget* parent) : QDateEdit(parent), editor_(new QLineEdit(this)) {
    InstallAccessibleInterfaces();
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    // Only a click on the drop-down button gives the picker itself the focus.
    setFocusPolicy(Qt::ClickFocus);
    editor_->setInputMask(QStringLiteral("99/99/9999"));
    editor_->setText(kEmptyDate);
    editor_->installEventFilter(this);
    PlaceEditor();
    connect(this, &QObject::objectNameChanged, editor_,
            [this](const QString& name) { editor_->setObjectName(name + QStringLiteral("Edit")); });
    connect(editor_, &QLineEdit::textChanged, this, [this] { CleanEditorText(); });
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (OnChange) OnChange(this);
    });
    popup_ = calendarWidget()->window();
    popup_->installEventFilter(this);
    OnEnter = [](TDataCalendari* field) { field->DropDownEnter(); };
    OnCloseUp = [](TDataCalendari* field) { field->CalendarCloseUp(); };
}

// The editor and the pop-up go after this object: they must not call it then.
TDataCalendari::~TDataCalendari() {
    editor_->removeEventFilter(this);
    if (popup_ != nullptr) popup_->removeEventFilter(this);
}

TDateTime TDataCalendari::Date() const {
    return ValueFromDate(date());
}

void TDataCalendari::SetDate(TDateTime value) {
    setDate(DateFromValue(value));
}

void TDataCalendari::SetDateText(const std::string& dateText) {
    editor_->setText(TextToInt(dateText) >= 1
                         ? QString::fromStdString(FormatDateText(dateText, kDayMonthYear))
                         : kEmptyDate);
}

std::string TDataCalendari::GetDateText() const {
    return NormalizeDate(editor_->text().toStdString());
}

// A typed date that is no date at all (31/02, 99/99) leaves the value alone.
void TDataCalendari::DropDownEnter() {
    const std::string text = editor_->text().toStdString();
    if (TextToInt(text) == 0) {
        SetDate(TodayDateValue());
        return;
    }
    try {
        SetDate(TextToDate(text));
    } catch (const PlatformError&) {
    }
}

void TDataCalendari::CalendarCloseUp() {
    const std::string picked = DateToText(Date());
    editor_->setText(TextToInt(picked) > 19000000
                         ? QString::fromStdString(FormatDateText(picked, kDayMonthYear))
                         : QString());
    editor_->setFocus(Qt::OtherFocusReason);
}

bool TDataCalendari::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_) {
        // The calendar's pop-up window closing: once it has handed the focus
        // back, so that the editor can take it.
        if (event->type() == QEvent::Hide) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (OnCloseUp) OnCloseUp(this);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::FocusIn:
            // The editor stands in for the field: it carries the field's name.
            editor_->setAccessibleName(AccessibleName(this));
            return false;
        case QEvent::KeyPress:
            return EditorKeyPress(static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            CleanEditorText();
            return false;
        case QEvent::FocusOut:
            CleanEditorText();
            if (OnExit && !FocusStaysInForm(*static_cast<QFocusEvent*>(event))) OnExit(editor_);
            return false;
        default:
            return false;
    }
}

// Period letters and Enter are swallowed and move the focus on.
bool TDataCalendari::EditorKeyPress(QKeyEvent* event) {
    const std::string text = KeyText(*event);
    if (IsPeriodLetter(text)) {
        ApplyPeriodLetter(text[0]);
    } else if (IsEnter(event->key())) {
        DiscardKeyboardMessages();
        MoveFocusOn();
    } else {
        return false;
    }
    return true;
}

void TDataCalendari::ApplyPeriodLetter(char letter) {
    TData data;
    data.SetDateValue(Date());
    data.ApplyPeriodLetter(letter);
    const std::string shown = FormatDateText(data.Text(), kDayMonthYear);
    editor_->setText(QString::fromStdString(shown));
    SetDate(TextToDate(shown));
    DiscardKeyboardMessages();
    MoveFocusOn();
}

// A Tab of its own, behind the keys already waiting.
void TDataCalendari::MoveFocusOn() {
    QCoreApplication::postEvent(editor_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, {}));
    QCoreApplication::postEvent(editor_, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, {}));
}

// A text whose day reads as 0 becomes the empty date.
void TDataCalendari::CleanEditorText() {
    if (TextToInt(editor_->text().toStdString()) != 0 || editor_->text() == kEmptyDate) return;
    const int cursor = editor_->cursorPosition();
    editor_->setText(kEmptyDate);
    editor_->setCursorPosition(cursor);
}

// The focus coming back from the calendar's pop-up is no entering.
void TDataCalendari::focusInEvent(QFocusEvent* event) {
    QDateEdit::focusInEvent(event);
    if (OnEnter && !FocusStaysInForm(*event)) OnEnter(this);
}

void TDataCalendari::resizeEvent(QResizeEvent* event) {
    QDateEdit::resizeEvent(event);
    PlaceEditor();
}

// The date changes only through the calendar or a period letter.
void TDataCalendari::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

bool TDataCalendari::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

// Over everything but the drop-down button.
void TDataCalendari::PlaceEditor() {
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    editor_->setGeometry(0, 0, arrow.isValid() ? arrow.left() : width(), height());
    editor_->raise();
}
