#include "calculator/tapetabcommands.h"

#include <QInputDialog>

#include "calculator/calculadora.h"
#include "calculator/commandcontext.h"
#include "calculator/searchpanel.h"
#include "calculator/tapefilecommands.h"

void CloseTape(TCommandContext& c) {
    if (c.tapes.Count() == 1) {
        c.files.ClearTape();
        return;
    }
    c.files.ArchiveBeforeClosing();
    // The search lets go of the tapes before one of them goes.
    c.search.Close();
    c.tapes.Close(c.tapes.CurrentIndex());
}

void RenameTape(TCommandContext& c) {
    const int index = c.tapes.CurrentIndex();
    bool accepted = false;
    const QString name = QInputDialog::getText(
        &c.window, QCoreApplication::translate("TCommands", "Nom de la cinta"),
        QCoreApplication::translate("TCommands", "Nom de la cinta:"), QLineEdit::Normal,
        QString::fromStdString(c.tapes.Name(index)), &accepted);
    if (accepted) c.tapes.Rename(index, name.toStdString());
}

void StepTape(TCommandContext& c, int steps) {
    const int count = c.tapes.Count();
    c.tapes.Select(((c.tapes.CurrentIndex() + steps) % count + count) % count);
}
