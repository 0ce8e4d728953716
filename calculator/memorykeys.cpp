#include "calculator/memorykeys.h"

#include "calculator/commandtable.h"
#include "calculator/keylook.h"

namespace {

constexpr TColor kBandColour = RGBColor(204, 205, 180);
constexpr TColor kMemoryGradient = RGBColor(236, 226, 196);
constexpr int kKeyWidth = 26;
constexpr int kKeyHeight = 18;
constexpr int kPitch = 25;

// In the order the keys are made, which is the order assistive technology
// walks them in.
constexpr TTapeKey kBandKeys[] = {TTapeKey::MemoryAdd, TTapeKey::MemorySubtract,
                                  TTapeKey::MemoryRecall, TTapeKey::MemoryClear,
                                  TTapeKey::GrandTotal};

}  // namespace

TMemoryKeys::TMemoryKeys(QWidget* parent, QRect place) : TPanelEx(parent) {
    setObjectName(QStringLiteral("PanelMemoria"));
    setGeometry(place);
    SetColor(kBandColour);
    SetBevelOuter(bvNone);
    setAccessibleName(tr("Memòria i gran total"));
    int left = 5;
    for (const TTapeKey key : kBandKeys) {
        const TCommand& command = Command(KeyCommand(key));
        TPanelEx* panel = NewKey(this, command, QRect(left, 2, kKeyWidth, kKeyHeight));
        MakeKey(panel, clWhite, kMemoryGradient, 7);
        panel->setToolTip(CommandHint(command));
        panel->setAccessibleName(CommandText(command));
        panel->OnClick = [this, key](TPanelEx*) { Q_EMIT Triggered(KeyCommand(key)); };
        left += kPitch;
    }
}
