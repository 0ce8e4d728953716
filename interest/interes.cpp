// TInteres: creation of the window and its opening from the main window.

#include "interest/interes.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

#include "basic/dates.h"
#include "controls/datefield/datacalendari.h"
#include "controls/platform/bitmapresources.h"
#include "controls/platform/focus.h"
#include "interest/focusareas.h"

namespace {

// The year of the start date completes it.
constexpr const char* kTitle = QT_TRANSLATE_NOOP("TInteres", "Zentabo - Comparació de préstecs - ");

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

TInteres::TInteres(QWidget* owner) : QWidget(owner, kWindowFlags) {
    BuildLayout();
    FormCreate();
    WireEvents();
}

// The window stops hearing keys and focus moves before Qt takes its controls
// down (which moves the focus once more): no handler may reach it then.
TInteres::~TInteres() {
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    focusAreas_.reset();
}

void TInteres::FormCreate() {
    setWindowIcon(IconFromBitmapResource("CalculadoraBis", 2));
    const TDateTime today = TodayDateValue();
    data_->SetDateText(DateToText(today));
    data_->SetDate(today);
    setWindowTitle(tr(kTitle) + QString::fromStdString(data_->GetDateText().substr(0, 4)));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// With its own task-bar button: the window is not kept as a transient of its
// owner, which window managers leave out of the task bar.
void TInteres::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* handle = windowHandle()) handle->setTransientParent(nullptr);
    // The first time, the focus goes to the first input field.
    if (focusWidget() == nullptr) focusNextPrevChild(true);
}

TInteres* ShowInteres(QWidget* owner, TInteres*& window) {
    if (window == nullptr) window = new TInteres(owner);
    BringToFront(*window);
    return window;
}
