#include "calculator/taxpanel.h"

#include <QApplication>
#include <QListWidget>
#include <QSignalBlocker>

#include "basic/numbertext.h"
#include "calculator/commandtable.h"
#include "calculator/keylook.h"
#include "calculator/taxsettings.h"
#include "calculator/vatratesdialog.h"
#include "controls/combo/comboex.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/fonts.h"
#include "controls/platform/keyboard.h"
#include "tape/tapeengine.h"

namespace {

constexpr TColor kPanelColour = RGBColor(212, 208, 200);
// The rate list's last entry: not a rate, it opens the rate editor.
constexpr int kEditEntryRow = TVatRates::kSlotCount;

QRect LeftKey(int top, int height = 22) {
    return QRect(5, top, 62, height);
}

QRect RightKey(int top) {
    return QRect(69, top, 62, 22);
}

// The list gets its items the first time it opens: nobody sees them before,
// and the window shows sooner without measuring them.
bool Filled(const QListWidget& list) {
    return list.count() > 0;
}

}  // namespace

TTaxPanel::TTaxPanel(QWidget* parent, QRect place, TTapeEngine& engine, TTaxSettings& settings)
    : TPanelEx(parent), engine_(&engine), settings_(settings) {
    setObjectName(QStringLiteral("PanelEspecial"));
    setGeometry(place);
    SetColor(kPanelColour);
    setAccessibleName(tr("IVA i marge"));
    AddKeys();
    AddMarginControls();
    AddRateList();
    Wire();
    connect(&settings_, &TTaxSettings::Changed, this, [this] { ShowSettings(); });
}

// Two columns of keys: the tax keys, the margin type, the margin field and
// the margin keys.
void TTaxPanel::AddKeys() {
    teclaQuinIva_ = AddKey(TCommandId::ChooseVat, LeftKey(5));
    teclaQuinIva_->SetColor(clWhite);
    teclaQuinIva_->SetBevelOuter(bvLowered);
    for (auto [command, place] : {std::pair{TCommandId::AddVat, RightKey(5)},
                                  std::pair{TCommandId::TaxableBase, LeftKey(30)},
                                  std::pair{TCommandId::VatAmount, RightKey(30)},
                                  std::pair{TCommandId::AddMargin, RightKey(87)},
                                  std::pair{TCommandId::RemoveMargin, RightKey(112)}}) {
        TPanelEx* key = AddKey(command, place);
        MakeOperatorKey(key, 8);
        if (command == TCommandId::AddMargin) teclaMesMarge_ = key;
        if (command == TCommandId::RemoveMargin) teclaMenysMarge_ = key;
    }
}

TPanelEx* TTaxPanel::AddKey(TCommandId command, QRect place) {
    TPanelEx* key = NewKey(this, Command(command), place);
    key->setToolTip(CommandHint(Command(command)));
    key->OnClick = [this, command](TPanelEx*) { Q_EMIT Triggered(command); };
    return key;
}

void TTaxPanel::AddMarginControls() {
    cTipusMarge_ = new TComboEx(this);
    cTipusMarge_->setObjectName(QStringLiteral("CTipusMarge"));
    cTipusMarge_->setGeometry(5, 59, 126, 22);
    cTipusMarge_->addItems({tr("Marge S/PVP"), tr("Marge S/Cost"), tr("Descompte")});
    cTipusMarge_->setCurrentIndex(0);
    cTipusMarge_->setFocusPolicy(Qt::ClickFocus);

    teclaQuinMarge_ = NewPanel(this, "TeclaQuinMarge", LeftKey(87, 47));
    teclaQuinMarge_->SetCaption("0%");
    teclaQuinMarge_->SetLayout(tlCenter);
    teclaQuinMarge_->SetColor(clWhite);
    teclaQuinMarge_->SetBevelOuter(bvLowered);
    teclaQuinMarge_->SetFontColor(clNavy);
    teclaQuinMarge_->setFont(FormFont("MS Sans Serif", 10, true));
    teclaQuinMarge_->SetEditable(true);
    teclaQuinMarge_->setToolTip(tr("Estableix % de Marge"));
}

// Hidden but while a rate is chosen; it opens over the top left corner.
void TTaxPanel::AddRateList() {
    llistaIvas_ = new QListWidget(this);
    llistaIvas_->setObjectName(QStringLiteral("LlistaIvas"));
    llistaIvas_->setGeometry(0, 0, 80, 97);
    llistaIvas_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    llistaIvas_->hide();
    llistaIvas_->setAccessibleName(tr("Percentatge d'IVA"));
}

// Every handler runs as one user action: a failure stops it with a message
// and the window carries on. The margin field shows its number bare while it
// is edited; the click and the focus reach it before its editor opens.
void TTaxPanel::Wire() {
    const auto guarded = [this](void (TTaxPanel::*handler)()) {
        return [this, handler](auto&&...) {
            RunGuarded(window(), [this, handler] { (this->*handler)(); });
        };
    };
    teclaQuinMarge_->OnClick = guarded(&TTaxPanel::TeclaQuinMargeEnter);
    teclaQuinMarge_->OnEnter = guarded(&TTaxPanel::TeclaQuinMargeEnter);
    teclaQuinMarge_->OnEditorExit = guarded(&TTaxPanel::TeclaQuinMargeExit);
    teclaQuinMarge_->OnKeyDown = [this](QObject*, int& key, Qt::KeyboardModifiers) {
        if (!IsEnter(key)) return;
        key = 0;
        RunGuarded(window(), [this] { TeclaQuinMargeExit(); });
    };
    connect(cTipusMarge_, &QComboBox::activated, this, guarded(&TTaxPanel::CTipusMargeChange));
    connect(llistaIvas_, &QListWidget::itemDoubleClicked, this,
            guarded(&TTaxPanel::LlistaIvasDblClick));
    connect(llistaIvas_, &QListWidget::currentRowChanged, this,
            [this](int row) { LlistaIvasRowChanged(row); });
    // A click on the editor's entry closes the list and opens the editor.
    connect(llistaIvas_, &QListWidget::itemClicked, this, [this] {
        RunGuarded(window(), [this] {
            if (!EditEntryChosen()) return;
            Q_EMIT FocusReturned();
            MenuTipusIvaClick();
        });
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old == llistaIvas_ && now != llistaIvas_)
            RunGuarded(window(), [this] { LlistaIvasExit(); });
    });
}

// While the rate list is open its selection is the user's: the rate follows
// the list, not the list the rate.
void TTaxPanel::ShowSettings() {
    if (!llistaIvas_->isVisible()) {
        if (Filled(*llistaIvas_)) FillVatList();
        llistaIvas_->setCurrentRow(settings_.VatIndex());
    }
    RefreshVatCaption();
    teclaQuinMarge_->SetCaption(FloatToPlainText(settings_.MarginPercent()) + "%");
    cTipusMarge_->setCurrentIndex(settings_.MarginTypeIndex());
    settings_.SetMarginTypeIndex(cTipusMarge_->currentIndex());
}

// ---- The keys -----------------------------------------------------------------

void TTaxPanel::TeclaMesIvaClick() {
    AddTax(*engine_, VatRate());
}

void TTaxPanel::TeclaMenysIvaClick() {
    TaxableBase(*engine_, VatRate());
}

void TTaxPanel::TeclaPerIvaClick() {
    TaxAmount(*engine_, VatRate());
}

void TTaxPanel::TeclaMesMargeClick() {
    ::AddMargin(*engine_, settings_.MarginPercent(), settings_.MarginType());
}

void TTaxPanel::TeclaMenysMargeClick() {
    ::RemoveMargin(*engine_, settings_.MarginPercent(), settings_.MarginType());
}

// ---- The margin ---------------------------------------------------------------

void TTaxPanel::SetMargin(double percent) {
    settings_.SetMargin(percent);
    teclaQuinMarge_->SetCaption(FloatToPlainText(percent) + "%");
}

void TTaxPanel::SetMarginType(int type) {
    cTipusMarge_->setCurrentIndex(type);
    settings_.SetMarginTypeIndex(type);
    const bool discount = MarginTypeFromIndex(type) == TMarginType::Discount;
    teclaMesMarge_->SetCaption((discount ? tr("+ Dte") : tr("+ Marge")).toStdString());
    teclaMenysMarge_->SetCaption((discount ? tr("- Dte") : tr("- Marge")).toStdString());
}

bool TTaxPanel::MarginEditing() const {
    return teclaQuinMarge_->IsEditing();
}

// The field shows its number without "%" while it is edited.
void TTaxPanel::TeclaQuinMargeEnter() {
    if (teclaQuinMarge_->IsEditing()) return;
    teclaQuinMarge_->SetCaption(FloatToPlainText(settings_.MarginPercent()));
}

void TTaxPanel::TeclaQuinMargeExit() {
    SetMargin(TextToFloat(teclaQuinMarge_->Caption()));
    Q_EMIT FocusReturned();
}

// The tape takes the focus back, so that letters typed next are keys of the
// calculator rather than a search in the combo box.
void TTaxPanel::CTipusMargeChange() {
    SetMarginType(static_cast<int>(MarginTypeFromIndex(cTipusMarge_->currentIndex())));
    Q_EMIT FocusReturned();
}

// ---- The rates ----------------------------------------------------------------

// The list opens over the keys it covers, with the focus.
void TTaxPanel::TeclaQuinIvaClick() {
    vatIndexAtOpen_ = settings_.VatIndex();
    if (!Filled(*llistaIvas_)) FillVatList();
    llistaIvas_->show();
    llistaIvas_->raise();
    llistaIvas_->setFocus(Qt::OtherFocusReason);
}

// The nine rates, then the entry that opens the editor, with the selected
// rate selected.
void TTaxPanel::FillVatList() {
    const QSignalBlocker quiet(llistaIvas_);
    if (llistaIvas_->count() != kEditEntryRow + 1) {
        llistaIvas_->clear();
        for (int row = 0; row <= kEditEntryRow; ++row)
            llistaIvas_->addItem(QString());
        QListWidgetItem* edit = llistaIvas_->item(kEditEntryRow);
        edit->setText(tr("Edita els tipus..."));
        QFont italic = llistaIvas_->font();
        italic.setItalic(true);
        edit->setFont(italic);
    }
    for (int row = 0; row < kEditEntryRow; ++row)
        llistaIvas_->item(row)->setText(QString::fromStdString(*settings_.Rates().Text(row)));
    llistaIvas_->setCurrentRow(settings_.VatIndex());
    FitVatList();
}

// The list grows from its place at the panel's top left corner until every
// entry shows whole, but never beyond the panel.
void TTaxPanel::FitVatList() {
    const int frame = 2 * llistaIvas_->frameWidth();
    const QSize content(llistaIvas_->sizeHintForColumn(0) + frame,
                        llistaIvas_->sizeHintForRow(0) * llistaIvas_->count() + frame);
    llistaIvas_->resize(llistaIvas_->size().expandedTo(content).boundedTo(size()));
}

// The rate key shows the selected item and "Iva" ("16%Iva"); with no item
// selected (a stored index outside the list) it shows the rate then used, 0.
void TTaxPanel::RefreshVatCaption() {
    const std::optional<std::string> text = settings_.Rates().Text(settings_.VatIndex());
    teclaQuinIva_->SetCaption(
        tr("%1Iva").arg(QString::fromStdString(text.value_or("0%"))).toStdString());
}

int TTaxPanel::VatIndex() const {
    return settings_.VatIndex();
}

double TTaxPanel::VatRate() const {
    return settings_.VatRate();
}

void TTaxPanel::SetVatIndex(int index) {
    settings_.SetVatIndex(index);
    llistaIvas_->setCurrentRow(settings_.VatIndex());
    RefreshVatCaption();
}

bool TTaxPanel::EditEntryChosen() const {
    return llistaIvas_->currentRow() == kEditEntryRow;
}

// The rate the list shows selected is the one the keys use. The editor's
// entry, reached with the arrow keys past every rate, selects again the rate
// of the moment the list opened.
void TTaxPanel::LlistaIvasRowChanged(int row) {
    settings_.SetVatIndex(settings_.Rates().Text(row) ? row : vatIndexAtOpen_);
    RefreshVatCaption();
}

// Closed on the editor's entry, the list shows the selected rate again.
void TTaxPanel::LlistaIvasExit() {
    llistaIvas_->hide();
    if (llistaIvas_->currentRow() != settings_.VatIndex())
        llistaIvas_->setCurrentRow(settings_.VatIndex());
    RefreshVatCaption();
}

void TTaxPanel::LlistaIvasDblClick() {
    llistaIvas_->hide();
}

bool TTaxPanel::RateListKey(int key) {
    if (!llistaIvas_->hasFocus() || !(IsEnter(key) || key == Qt::Key_Escape)) return false;
    const bool edit = IsEnter(key) && EditEntryChosen();
    Q_EMIT FocusReturned();
    if (edit) MenuTipusIvaClick();
    return true;
}

// The editor works on a copy; accepted, the list, the caption and the tax
// keys follow the edited slots, and the selected index stays.
void TTaxPanel::MenuTipusIvaClick() {
    TVatRatesDialog dialog(settings_.Rates(), window());
    if (dialog.exec() != QDialog::Accepted) return;
    settings_.AdoptRates(dialog.Rates());
    FillVatList();
    RefreshVatCaption();
}
