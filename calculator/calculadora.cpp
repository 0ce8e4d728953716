// TCalculadora: creation of the window and its end.

#include "calculator/calculadora.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>

#include "basic/dates.h"
#include "calculator/tapefilecommands.h"
#include "calculator/tapeview.h"
#include "controls/grid/gridex.h"
#include "controls/platform/bitmapresources.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/keyboard.h"
#include "controls/platform/messagebox.h"
#include "exchange/droptarget.h"
#include "interest/interes.h"

namespace {

// The caption: this title line, then the year.
constexpr const char* kTitleLine =
    QT_TRANSLATE_NOOP("TCalculadora", "Zentabo - Tarvik - Calculadora ");

}  // namespace

TCalculadora::TCalculadora(QWidget* parent) : QWidget(parent, Qt::Window) {
    BuildLayout();
    engine_ = std::make_unique<TTapeEngine>();
    tapeView_ = std::make_unique<TTapeView>(*paper_, *engine_);
    files_ = std::make_unique<TTapeFileCommands>(this, paper_, *engine_);
    files_->AddMenuItems(*menuPropietats_);
    WireEvents();
    FormCreate();
}

// The window stops hearing the application's focus moves and keys before Qt
// takes its controls down.
TCalculadora::~TCalculadora() {
    QObject::disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    FormDestroy();
}

// In order: the window's look, the drop target, the options' start values,
// the caption, then the settings and tape file. The rate list is filled when
// it first opens.
void TCalculadora::FormCreate() {
    // A window of its own on the task bar, with a maximise and a close box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(IconFromBitmapResource("CalculadoraBis", 2));

    dropTarget_ = new TDropTarget(this);
    dropTarget_->AddLines = [this](const TArrayCadena& lines) { AddLinesToTape(lines); };
    dropTarget_->ShowMessage = [this](const std::string& text, const std::string& caption,
                                      TMessageBoxKind kind) {
        return ShowMessageBox(this, text, caption, kind);
    };
    dropTarget_->ReportError = [this](const std::exception& error) { ShowError(this, error); };
    dropTarget_->Register(this);

    engine_->SetDecimals(2);
    engine_->SetRoundTotals(true);
    engine_->SetRoundCalculations(true);
    engine_->SetRoundAll(false);
    engine_->SetConvertOnCopy(false);

    setWindowTitle(tr(kTitleLine) +
                   QString::fromStdString(DateToText(TodayDateValue()).substr(0, 4)));

    // A file that cannot be read leaves the first-run values; the window
    // still opens.
    RunGuarded(this, [this] { ReadSettings(); });
}

// The keyboard messages still waiting are discarded, which on Qt removes
// nothing (see DiscardKeyboardMessages): keys typed ahead are never lost.
void TCalculadora::FormClose() {
    DiscardKeyboardMessages();
}

// The interest window goes with its owner.
void TCalculadora::closeEvent(QCloseEvent* event) {
    FormClose();
    if (interes_ != nullptr) interes_->hide();
    QWidget::closeEvent(event);
}

// The drop target goes first, then the settings and tape file is written. A
// failure to write is shown; the old file then stays as it was.
void TCalculadora::FormDestroy() {
    if (dropTarget_ != nullptr) dropTarget_->Revoke();
    RunGuarded(nullptr, [this] { WriteSettings(); });
}

void TCalculadora::FocusTape() {
    if (paper_->isVisible()) paper_->setFocus(Qt::OtherFocusReason);
}
