#include "controls/platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "basic/stringlists.h"

std::string ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void AddClipboardLines(TStringList& lines) {
    lines.AddLines(ClipboardText());
}
