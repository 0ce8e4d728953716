#include "calculator/vatratesdialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

namespace {

// A rate field that takes a typed point or comma as the decimal separator of
// the display, so that 5.2 never reads as 52 where the point groups
// thousands.
class TRateSpinBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    QValidator::State validate(QString& input, int& pos) const override {
        const QString point = locale().decimalPoint();
        input.replace(QLatin1Char('.'), point).replace(QLatin1Char(','), point);
        return QDoubleSpinBox::validate(input, pos);
    }
};

QString RefusalText(const std::string& why) {
    return QCoreApplication::translate("TVatRatesDialog",
                                       "La llista de tipus desada al fitxer de configuració no "
                                       "s'ha fet servir: %1. S'aplica la llista original; la "
                                       "línia desada es conserva fins que canvieu els tipus.")
        .arg(QString::fromStdString(why));
}

}  // namespace

TVatRatesDialog::TVatRatesDialog(const TVatRates& rates, QWidget* parent)
    : QDialog(parent), rates_(rates) {
    setObjectName(QStringLiteral("TipusIva"));
    setWindowTitle(tr("Tipus d'IVA"));
    auto* layout = new QVBoxLayout(this);
    if (!rates_.Refusal().empty()) {
        auto* refusal = new QLabel(RefusalText(rates_.Refusal()), this);
        refusal->setObjectName(QStringLiteral("Motiu"));
        refusal->setWordWrap(true);
        refusal->setStyleSheet(QStringLiteral("color: #a00000"));
        layout->addWidget(refusal);
    }
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    BuildSlots(grid);
    BuildButtons(layout);
    ShowSlots();
    texts_[0]->setFocus(Qt::OtherFocusReason);
}

// One row a slot, its text then its rate, in the order Tab follows.
void TVatRatesDialog::BuildSlots(QGridLayout* grid) {
    grid->addWidget(new QLabel(tr("Text"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), this), 0, 2);
    const QRegularExpression noSeparators(QStringLiteral("[^;:]*"));
    for (int index = 0; index < TVatRates::kSlotCount; ++index) {
        const size_t slot = static_cast<size_t>(index);
        auto* text = new QLineEdit(this);
        text->setObjectName(QStringLiteral("Text%1").arg(index));
        text->setValidator(new QRegularExpressionValidator(noSeparators, text));
        connect(text, &QLineEdit::textEdited, this, [this, index](const QString& typed) {
            rates_.SetText(index, typed.toStdString());
        });
        auto* percent = new TRateSpinBox(this);
        percent->setObjectName(QStringLiteral("Percentatge%1").arg(index));
        percent->setDecimals(2);
        percent->setRange(0, TVatRates::kMaxHundredths / 100.0);
        connect(percent, &QDoubleSpinBox::valueChanged, this, [this, index](double value) {
            rates_.SetRate(index, static_cast<int32_t>(std::lround(value * 100)));
        });
        grid->addWidget(new QLabel(QString::number(index + 1), this), index + 1, 0);
        grid->addWidget(text, index + 1, 1);
        grid->addWidget(percent, index + 1, 2);
        texts_[slot] = text;
        percents_[slot] = percent;
    }
}

void TVatRatesDialog::BuildButtons(QVBoxLayout* layout) {
    auto* presets = new QHBoxLayout;
    auto* inForce = new QPushButton(tr("Tipus &vigents"), this);
    inForce->setObjectName(QStringLiteral("TipusVigents"));
    connect(inForce, &QPushButton::clicked, this, [this] { FillWith(kVatItemsInForce); });
    auto* original = new QPushButton(tr("Tipus de &1995"), this);
    original->setObjectName(QStringLiteral("TipusOriginals"));
    connect(original, &QPushButton::clicked, this, [this] { FillWith(kOriginalVatItems); });
    // Enter accepts the dialog even from a preset button.
    for (QPushButton* button : {inForce, original}) {
        button->setAutoDefault(false);
        presets->addWidget(button);
    }
    layout->addLayout(presets);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* accept = buttons->button(QDialogButtonBox::Ok);
    accept->setText(tr("Accepta"));
    accept->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel·la"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TVatRatesDialog::FillWith(const std::array<TVatItem, TVatRates::kSlotCount>& items) {
    rates_.Fill(items);
    ShowSlots();
}

void TVatRatesDialog::ShowSlots() {
    for (size_t slot = 0; slot < texts_.size(); ++slot) {
        const TVatSlot& shown = rates_.Slots()[slot];
        const QSignalBlocker textBlocker(texts_[slot]);
        const QSignalBlocker percentBlocker(percents_[slot]);
        texts_[slot]->setText(QString::fromStdString(shown.text));
        percents_[slot]->setValue(shown.Rate());
    }
}
