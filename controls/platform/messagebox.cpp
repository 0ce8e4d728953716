#include "controls/platform/messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "basic/texttools.h"
#include "basic/translation.h"

namespace {

TMessageBoxHandler& CurrentHandler() {
    static TMessageBoxHandler handler = ShowQtMessageBox;
    return handler;
}

std::string WithLineBreaks(const std::string& text) {
    return WithLfLineBreaks(ReplaceAll(text, "#13", "\n"));
}

struct ButtonLook {
    const char* text;
    QMessageBox::ButtonRole role;
};

ButtonLook LookOf(TMessageBoxButton button) {
    switch (button) {
        case idOk:
            return {QT_TRANSLATE_NOOP("TamComponents", "D'acord"), QMessageBox::AcceptRole};
        case idCancel:
            return {QT_TRANSLATE_NOOP("TamComponents", "Cancel·la"), QMessageBox::RejectRole};
        case idAbort:
            return {QT_TRANSLATE_NOOP("TamComponents", "Avorta"), QMessageBox::RejectRole};
        case idRetry:
            return {QT_TRANSLATE_NOOP("TamComponents", "Reintenta"), QMessageBox::AcceptRole};
        case idIgnore:
            return {QT_TRANSLATE_NOOP("TamComponents", "Ignora"), QMessageBox::AcceptRole};
        case idYes:
            return {QT_TRANSLATE_NOOP("TamComponents", "Sí"), QMessageBox::YesRole};
        case idNo:
            return {QT_TRANSLATE_NOOP("TamComponents", "No"), QMessageBox::NoRole};
    }
    return {QT_TRANSLATE_NOOP("TamComponents", "D'acord"), QMessageBox::AcceptRole};
}

}  // namespace

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
    if (!handler) handler = ShowQtMessageBox;
    return std::exchange(CurrentHandler(), std::move(handler));
}

std::vector<TMessageBoxButton> MessageBoxButtons(TMessageBoxKind kind) {
    switch (kind) {
        case TMessageBoxKind::OkCancel:
            return {idOk, idCancel};
        case TMessageBoxKind::AbortRetryIgnore:
            return {idAbort, idRetry, idIgnore};
        case TMessageBoxKind::YesNoCancel:
            return {idYes, idNo, idCancel};
        case TMessageBoxKind::YesNo:
            return {idYes, idNo};
        case TMessageBoxKind::RetryCancel:
            return {idRetry, idCancel};
        default:
            return {idOk};
    }
}

int ShowMessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                   TMessageBoxKind kind) {
    TMessageBoxRequest request;
    request.owner = owner;
    request.text = WithLineBreaks(text);
    request.caption = caption.empty() ? Tr("TamComponents", "Atencio !!!") : caption;
    request.buttons = MessageBoxButtons(kind);
    return CurrentHandler()(request);
}

int ShowChoiceBox(QWidget* owner, const std::string& text, const std::string& caption,
                  const std::vector<TChoice>& choices) {
    TMessageBoxRequest request;
    request.owner = owner;
    request.text = WithLineBreaks(text);
    request.caption = caption;
    for (const TChoice& choice : choices) {
        request.buttons.push_back(choice.button);
        request.labels.push_back(choice.label);
    }
    return CurrentHandler()(request);
}

int ShowQtMessageBox(const TMessageBoxRequest& request) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton, request.owner);
    box.setTextFormat(Qt::PlainText);
    std::vector<std::pair<QPushButton*, TMessageBoxButton>> buttons;
    for (size_t i = 0; i < request.buttons.size(); ++i) {
        const TMessageBoxButton id = request.buttons[i];
        const ButtonLook look = LookOf(id);
        const QString text = i < request.labels.size()
                                 ? QString::fromStdString(request.labels[i])
                                 : QCoreApplication::translate("TamComponents", look.text);
        buttons.emplace_back(box.addButton(text, look.role), id);
    }
    if (buttons.empty()) return idOk;
    box.setDefaultButton(buttons.front().first);
    // Escape answers Cancel where there is one, and OK in a box that has only OK.
    for (const auto& [button, id] : buttons) {
        if (id == idCancel || request.buttons.size() == 1) box.setEscapeButton(button);
    }
    box.exec();
    const auto pressed = std::find_if(buttons.begin(), buttons.end(), [&](const auto& entry) {
        return entry.first == box.clickedButton();
    });
    return pressed != buttons.end() ? pressed->second : buttons.front().second;
}
