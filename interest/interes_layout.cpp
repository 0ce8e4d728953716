// TInteres: the controls of the window, their places, looks and order.
//
//   +-- PanelCalcul1 --+-- PanelCalcul2 --+-- PanelDiferencia -+   136
//   | Capital  [     ] | Capital  [     ] | Data  [dd/mm/yyyy] |
//   | Interès  [     ] | Interès  [     ] | Dif Quota   [    ] |
//   | Anys ... Mesos   | Anys ... Mesos   | Dif Interès [    ] |
//   | Quota, Interessos| Quota, Interessos| [ Copiar Excel   ] |
//   +------------------+------------------+--------------------+
//   | Amort: the amortization table of the active loan         |   280
//   +----------------------------------------------------------+
//                              592

#include <QCoreApplication>
#include <QString>

#include "controls/button/botopetit.h"
#include "controls/datefield/datacalendari.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "controls/platform/fonts.h"
#include "interest/amortcells.h"
#include "interest/interes.h"

namespace {

constexpr int kClientWidth = 592;
constexpr int kClientHeight = 416;
constexpr int kBandHeight = 136;
constexpr int kColumnWidth = 206;

constexpr TColor kInteressosColor = RGBColor(128, 128, 255);

TPanelEx* Panel(QWidget* parent, const std::string& name, QRect place) {
    auto* panel = new TPanelEx(parent);
    panel->setObjectName(QString::fromStdString(name));
    panel->setGeometry(place);
    return panel;
}

// A borderless box with its caption at the left, around a value field.
TPanelEx* CaptionBox(QWidget* parent, const std::string& field, QRect place,
                     const std::string& caption) {
    TPanelEx* box = Panel(parent, "C" + field, place);
    box->SetBevelOuter(bvNone);
    box->SetAlignment(Qt::AlignLeft);
    box->SetLayout(tlCenter);
    box->SetMargeEsq(5);
    box->SetCaption(caption);
    return box;
}

// A white, right-aligned value field; Hundredths shows hundredths as units.
TPanelEx* ValueField(QWidget* box, const std::string& name, QRect place, TDisplayFormat format) {
    TPanelEx* field = Panel(box, name, place);
    field->SetColor(clWhite);
    field->SetBevelOuter(bvLowered);
    field->SetAlignment(Qt::AlignRight);
    field->SetLayout(tlCenter);
    field->SetMargeDrt(5);
    field->SetTipusFormateig(format);
    return field;
}

void SetBoldColour(TPanelEx* panel, TColor colour) {
    panel->setFont(FormFont("MS Sans Serif", 8, true));
    panel->SetFontColor(colour);
}

}  // namespace

void TInteres::BuildLayout() {
    setObjectName(QStringLiteral("Interes"));
    setFont(FormFont());
    setFixedSize(kClientWidth, kClientHeight);

    auto* column1 = Panel(this, "PanelCalcul1", QRect(0, 0, kColumnWidth, kBandHeight));
    auto* column2 = Panel(this, "PanelCalcul2", QRect(kColumnWidth, 0, kColumnWidth, kBandHeight));
    // The difference column takes what the two loans leave.
    auto* difference =
        Panel(this, "PanelDiferencia",
              QRect(2 * kColumnWidth, 0, kClientWidth - 2 * kColumnWidth, kBandHeight));
    // Assistive technology tells the two loans' fields apart by their group.
    column1->setAccessibleName(tr("Préstec 1"));
    column2->setAccessibleName(tr("Préstec 2"));
    difference->setAccessibleName(tr("Diferències"));
    loans_[0] = BuildLoanColumn(column1, 1);
    loans_[1] = BuildLoanColumn(column2, 2);
    BuildDifferenceColumn(difference);

    auto* table =
        Panel(this, "PanelAmort", QRect(0, kBandHeight, kClientWidth, kClientHeight - kBandHeight));
    BuildAmortGrid(table);
    SetTabOrder();
}

// Six rows of a caption box with its value field: four inputs, then the
// instalment and the total interest in bold colours.
TInteres::TLoanFields TInteres::BuildLoanColumn(QWidget* column, int loan) {
    struct TRow {
        const char* name;
        const char* caption;
        TDisplayFormat format;
        bool input;
        TColor boldColour;  // clNone: the plain font
    };
    static constexpr TRow kRows[] = {
        {"Capital", QT_TR_NOOP("Capital"), TDisplayFormat::Hundredths, true, clNone},
        {"Interes", QT_TR_NOOP("Interès (%)"), TDisplayFormat::Number, true, clNone},
        {"Anys", QT_TR_NOOP("Anys"), TDisplayFormat::Number, true, clNone},
        {"Mesos", QT_TR_NOOP("Mesos"), TDisplayFormat::Number, true, clNone},
        {"Quota", QT_TR_NOOP("Quota"), TDisplayFormat::Hundredths, false, clFuchsia},
        {"Interessos", QT_TR_NOOP("Interessos"), TDisplayFormat::Hundredths, false,
         kInteressosColor},
    };
    std::array<TPanelEx*, std::size(kRows)> fields{};
    for (size_t i = 0; i < fields.size(); ++i) {
        const TRow& row = kRows[i];
        const std::string name = row.name + std::to_string(loan);
        TPanelEx* box = CaptionBox(column, name, QRect(5, 6 + 20 * static_cast<int>(i), 191, 20),
                                   tr(row.caption).toStdString());
        TPanelEx* field = ValueField(box, name, QRect(88, 1, 98, 18), row.format);
        if (row.input) {
            field->SetEditable(true);
            field->SetTabStop(true);
        }
        if (row.boldColour != clNone) {
            SetBoldColour(box, row.boldColour);
            SetBoldColour(field, row.boldColour);
        }
        fields[i] = field;
    }
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

void TInteres::BuildDifferenceColumn(QWidget* column) {
    TPanelEx* dateBox = CaptionBox(column, "Data", QRect(5, 5, 171, 31), tr("Data").toStdString());
    data_ = new TDataCalendari(dateBox);
    data_->setObjectName(QStringLiteral("Data"));
    data_->setGeometry(75, 5, 91, 21);

    const auto differenceBox = [column](const std::string& name, int top,
                                        const std::string& caption) {
        TPanelEx* box = CaptionBox(column, name, QRect(5, top, 171, 22), caption);
        box->SetColor(clYellow);
        box->SetFontColor(clTeal);
        TPanelEx* field = ValueField(box, name, QRect(71, 2, 96, 18), TDisplayFormat::Hundredths);
        field->setFont(FormFont("MS Sans Serif", 8, true));
        return field;
    };
    difQuota_ = differenceBox("DifQuota", 45, tr("Dif Quota").toStdString());
    difInteres_ = differenceBox("DifInteres", 71, tr("Dif Interès").toStdString());

    botoCopiar_ = new TBotoPetit(column);
    botoCopiar_->setObjectName(QStringLiteral("BotoCopiar"));
    botoCopiar_->setGeometry(5, 107, 171, 24);
    botoCopiar_->SetCaption(tr("Copiar Excel").toStdString());
    botoCopiar_->SetHint(tr("Copiar Quadre d'Amortitzacions").toStdString());
    botoCopiar_->SetResBitmap("EXCEL");
    botoCopiar_->SetNumGlyphs(2);
    botoCopiar_->setFont(FormFont("Arial", 8));
    botoCopiar_->SetFontColor(clNavy);
}

void TInteres::BuildAmortGrid(QWidget* panel) {
    amort_ = new TGridEx(panel);
    amort_->setObjectName(QStringLiteral("Amort"));
    amort_->setGeometry(panel->rect());
    amort_->setAccessibleName(tr("Quadre d'amortitzacions"));
    amort_->SetColCount(kAmortColumns);
    amort_->SetRowCount(100);
    amort_->SetFixedRows(2);
    amort_->SetFixedCols(1);
    amort_->SetDefaultRowHeight(18);
    amort_->SetOptions(goRowSelect | goThumbTracking);
    amort_->SetScrollBars(TScrollStyle::ssVertical);
    amort_->SetSn_Editable(false);
    amort_->SetSn_ColumnaZero(false);
    amort_->SetSeparadorCamps('\t');
    amort_->SetOpcionsSeleccio(osPerNumeroFila | osTeclaIntro | osTeclaInsert);
    amort_->setFocusPolicy(Qt::ClickFocus);
    for (int32_t col = 0; col < kAmortColumns; ++col) {
        amort_->SetColWidths(col, kAmortWidths[static_cast<size_t>(col)]);
        // Drawn the base way (by AmortDrawCell), after the grid has given
        // the selected instalments their colours.
        amort_->Columnes[static_cast<size_t>(col)].Tipus = TDisplayFormat::BaseWay;
    }
    std::vector<std::string> titles;
    for (const char* title : kAmortTitles)
        titles.push_back(QCoreApplication::translate("TInteres", title).toStdString());
    amort_->SetTitols(std::move(titles));
    amort_->SetRow(kAmortFirstInstalmentRow);
}

// Loan 1's inputs, loan 2's, the start date and the copy button; the results,
// the differences and the table take no tab stop. The window moves the focus
// through this list itself (focusNextPrevChild).
void TInteres::SetTabOrder() {
    tabOrder_.clear();
    for (const TLoanFields& loan : loans_) {
        for (TPanelEx* input : {loan.Capital, loan.Interes, loan.Anys, loan.Mesos})
            tabOrder_.push_back(input);
    }
    tabOrder_.push_back(data_);
    tabOrder_.push_back(botoCopiar_);
}
