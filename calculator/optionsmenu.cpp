#include "calculator/optionsmenu.h"

#include <QAction>
#include <variant>

#include "calculator/commandtable.h"

namespace {

// A separator, by its name.
struct TSeparator {
    const char* name;
};
using TMenuEntry = std::variant<TCommandId, TSeparator>;

const TMenuEntry kDecimalsEnd[] = {
    TSeparator{"MenuLinia1"},
    TCommandId::RoundTotals,
    TCommandId::RoundCalculations,
    TCommandId::RoundAll,
    TSeparator{"MenuLinia2"},
    TCommandId::ConvertOnCopy,
    TCommandId::FixedDecimals,
    TSeparator{"MenuLinia3"},
    TCommandId::VatRates,
    TSeparator{"MenuLinia4"},
    TCommandId::Undo,
    TCommandId::Redo,
    TSeparator{"MenuLiniaFitxers"},
    TCommandId::SaveTape,
    TCommandId::OpenTape,
    TCommandId::EarlierTapes,
    TCommandId::ExportPdf,
    TCommandId::ExportCsv,
    TCommandId::PrintTape,
    TSeparator{"MenuLiniaCintes"},
    TCommandId::NewTape,
    TCommandId::RenameTape,
    TCommandId::CloseTape,
    TSeparator{"MenuLiniaCerca"},
    TCommandId::Search,
    TCommandId::StaysOnTop,
};

}  // namespace

// The decimals first, one item a decimal.
TOptionsMenu::TOptionsMenu(QWidget* parent, QMenu* archive) : QMenu(parent) {
    setObjectName(QStringLiteral("MenuPropietats"));
    for (int32_t decimals = 0; decimals <= kMaxDecimals; ++decimals)
        AddItem(DecimalsCommand(decimals), nullptr);
    for (const TMenuEntry& entry : kDecimalsEnd) {
        if (const auto* separator = std::get_if<TSeparator>(&entry)) {
            AddSeparator(separator->name);
        } else {
            const TCommandId command = std::get<TCommandId>(entry);
            AddItem(command, command == TCommandId::EarlierTapes ? archive : nullptr);
        }
    }
}

void TOptionsMenu::AddSeparator(const char* name) {
    addSeparator()->setObjectName(QString::fromLatin1(name));
}

void TOptionsMenu::AddItem(TCommandId command, QMenu* submenu) {
    const TCommand& info = Command(command);
    QAction* item = nullptr;
    if (submenu != nullptr) {
        submenu->setTitle(CommandText(info));
        item = addMenu(submenu);
    } else {
        item = addAction(CommandText(info));
        connect(item, &QAction::triggered, this, [this, command] { Q_EMIT Triggered(command); });
    }
    item->setObjectName(QString::fromLatin1(info.name));
    item->setCheckable(info.checked != nullptr);
    QList<QKeySequence> keys;
    for (const QKeyCombination key : info.keys)
        keys.append(QKeySequence(key));
    item->setShortcuts(keys);
    item->setShortcutContext(Qt::WidgetShortcut);
}

void TOptionsMenu::ShowState(const TCommandContext& context) {
    for (const TCommand& command : CommandTable()) {
        QAction* item = Item(command.id);
        if (item == nullptr) continue;
        if (command.checked) item->setChecked(command.checked(context));
        if (command.enabled) item->setEnabled(command.enabled(context));
    }
}

QAction* TOptionsMenu::Item(TCommandId command) const {
    const char* name = Command(command).name;
    if (name == nullptr) return nullptr;
    for (QAction* item : actions()) {
        if (item->objectName() == QLatin1String(name)) return item;
    }
    return nullptr;
}
