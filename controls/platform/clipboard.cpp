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
    AddTextLines(ClipboardText(), lines);
}

void AddTextLines(const std::string& text, TStringList& lines) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
        lines.Add(text.substr(start, lineEnd - start));
        start = end + 1;
    }
}
