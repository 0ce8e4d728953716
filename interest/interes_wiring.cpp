// TInteres: which control's event reaches which handler.

#include <QApplication>
#include <utility>

#include "controls/button/botopetit.h"
#include "controls/datefield/datacalendari.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "controls/platform/eventguard.h"
#include "interest/focusareas.h"
#include "interest/interes.h"

// Every event handler runs as one user action: a failure stops it with a
// message and the window carries on.
template <typename Handler>
auto TInteres::Guarded(Handler handler) {
    return [this, handler](auto&&... args) {
        RunGuarded(this, [&] { handler(std::forward<decltype(args)>(args)...); });
    };
}

void TInteres::WireEvents() {
    focusAreas_ = std::make_unique<TFocusAreas>(this);
    WireLoan(1);
    WireLoan(2);
    data_->OnChange = Guarded([this](TDataCalendari* sender) { DataChange(sender); });
    data_->OnExit = Guarded([this](QObject*) { DataExit(); });
    botoCopiar_->OnClick = Guarded([this](TBotoPetit* sender) { BotoCopiarClick(sender); });
    amort_->OnDrawCell = [this](TGridEx* sender, int32_t col, int32_t row, const QRect& rect,
                                TGridDrawState state, TGridCanvas& canvas) {
        AmortDrawCell(sender, col, row, rect, state, canvas);
    };
    amort_->OnDblClick = Guarded([this](TGridEx* sender) { AmortDblClick(sender); });
    amort_->OnSeleccionarFila = Guarded([this](TGridEx* sender, int32_t row, bool selected) {
        AmortSeleccionarFila(sender, row, selected);
    });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { FocusArrived(old, now); });
    qApp->installEventFilter(this);
}

// Entering any field of a loan selects it; the capital field first switches
// to whole units and back to hundredths when left. The inputs report the
// focus arriving before they load their editor, so that it shows the units.
void TInteres::WireLoan(int loan) {
    const TLoanFields& fields = Loan(loan);
    const bool first = loan == 1;
    const auto enter = Guarded([this, first] { first ? Panel1Enter() : Panel2Enter(); });
    focusAreas_->Add(fields.Capital,
                     Guarded([this, first] { first ? Capital1Enter() : Capital2Enter(); }),
                     Guarded([this, first] { first ? Capital1Exit() : Capital2Exit(); }));
    for (TPanelEx* field :
         {fields.Interes, fields.Anys, fields.Mesos, fields.Quota, fields.Interessos})
        focusAreas_->Add(field, enter, nullptr);

    const auto entering = [this](TPanelEx* sender) { focusAreas_->Entering(sender); };
    for (TPanelEx* input : {fields.Capital, fields.Interes, fields.Anys, fields.Mesos}) {
        input->OnEnter = entering;
        input->OnClick = entering;
    }

    // Both capitals recalculate when edited, the second one too: a new
    // capital is never shown beside the instalment of the old one.
    const auto changed = Guarded([this](TPanelEx* sender) { CampsChanged(sender); });
    for (TPanelEx* field :
         {fields.Capital, fields.Interes, fields.Mesos, fields.Quota, fields.Interessos})
        field->OnChanged = changed;
    fields.Anys->OnChanged = Guarded(
        [this, first](TPanelEx* sender) { first ? Anys1Changed(sender) : Anys2Changed(sender); });
}
