#include "calculator/deskindicators.h"

#include <QLabel>
#include <QTimer>

#include "basic/numbertext.h"
#include "controls/panel/panelex.h"
#include "controls/platform/fonts.h"
#include "tape/tapeengine.h"
#include "tape/tapelook.h"

namespace {

constexpr QColor kAnnunciatorInk(0, 0, 128);

// A small label over `display`, at `place` inside it.
QLabel* Indicator(TPanelEx& display, const char* name, QRect place, QColor ink, int points) {
    auto* label = new QLabel(display.parentWidget());
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place.translated(display.geometry().topLeft()));
    label->setFont(FormFont("MS Sans Serif", points, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ink);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->hide();
    return label;
}

}  // namespace

TDeskIndicators::TDeskIndicators(TPanelEx& number, TPanelEx& subtotal, TTapeEngine& engine)
    : QObject(&number), engine_(&engine), engineAlive_(&engine) {
    memory_ = Indicator(number, "IndicadorMemoria", QRect(4, 2, 22, 11), kAnnunciatorInk, 6);
    memory_->setText(QStringLiteral("M"));
    memory_->setAccessibleName(tr("Memòria"));
    fixedDecimals_ =
        Indicator(number, "IndicadorDecimalsFixos", QRect(4, 13, 22, 11), kAnnunciatorInk, 6);
    fixedDecimals_->setText(QStringLiteral("ADD"));
    fixedDecimals_->setAccessibleName(tr("Decimals fixos"));
    fixedDecimals_->setToolTip(tr("Entrada amb decimals fixos"));
    count_ = Indicator(subtotal, "IndicadorElements", QRect(4, 1, 44, 23),
                       QColor(kCountInk.red, kCountInk.green, kCountInk.blue), 8);
    count_->setAccessibleName(tr("Elements"));
    WatchEngine();
}

void TDeskIndicators::WatchEngine() {
    connect(engine_, &TTapeEngine::SettingsChanged, this, [this] { ShowSettings(); });
    connect(engine_, &TTapeEngine::SubtotalTextChanged, this, [this] { CountBeforeCurrentRow(); });
    connect(engine_, &TTapeEngine::Evaluated, this, [this] { CountBeforeCurrentRow(); });
    engine_->Tape().AddObserver(this);
    ShowSettings();
    CountBeforeCurrentRow();
}

void TDeskIndicators::Follow(TTapeEngine& engine) {
    if (&engine == engine_) return;
    if (!engineAlive_.isNull()) {
        engine_->Tape().RemoveObserver(this);
        disconnect(engine_, nullptr, this, nullptr);
    }
    engine_ = &engine;
    engineAlive_ = &engine;
    WatchEngine();
}

TDeskIndicators::~TDeskIndicators() {
    if (!engineAlive_.isNull()) engine_->Tape().RemoveObserver(this);
}

void TDeskIndicators::ShowSettings() {
    const double memory = engine_->State().memory;
    const QString value = QString::fromStdString(FormatNumber(memory, engine_->Options().decimals));
    memory_->setToolTip(tr("Memòria: %1").arg(value));
    memory_->setAccessibleDescription(value);
    memory_->setVisible(memory != 0);
    fixedDecimals_->setVisible(engine_->Options().fixedDecimals);
}

void TDeskIndicators::CountBeforeCurrentRow() {
    countedRow_ = engine_->Tape().CurrentRow() - 1;
    ShowCount();
}

void TDeskIndicators::ShowCount() {
    countPending_ = false;
    const TTapeDocument& tape = engine_->Tape();
    const std::string mark = RunningCountMark(tape, countedRow_);
    const QString count = QString::number(tape.Counts().Running(countedRow_));
    count_->setText(QString::fromStdString(mark));
    count_->setAccessibleDescription(count);
    count_->setToolTip(tr("Elements del càlcul: %1").arg(count));
    count_->setVisible(!mark.empty());
}

void TDeskIndicators::ShowCountLater() {
    if (countPending_) return;
    countPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (countPending_) ShowCount();
    });
}

void TDeskIndicators::TapeRowsChanged(int32_t, int32_t) {
    ShowCountLater();
}
