#pragma once

// The program's warning box. Every warning of the program goes through
// ShowMessageBox, which hands a ready request to one replaceable handler: the
// default one shows a QMessageBox; tests install their own to answer it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "basic/messageboxkind.h"

class QWidget;

// The identifiers of the buttons, as the callers compare the result with them.
enum TMessageBoxButton : int {
    idOk = 1,
    idCancel = 2,
    idAbort = 3,
    idRetry = 4,
    idIgnore = 5,
    idYes = 6,
    idNo = 7,
};

struct TMessageBoxRequest {
    QWidget* owner = nullptr;
    std::string text;                        // line breaks as "\n"
    std::string caption;                     // never empty
    std::vector<TMessageBoxButton> buttons;  // in the order shown; the first is the default
    // The buttons' texts in place of their usual ones, in the same order;
    // empty for the usual ones.
    std::vector<std::string> labels;
};

using TMessageBoxHandler = std::function<int(const TMessageBoxRequest&)>;

// Installs the handler that shows every box and returns the one it replaces.
// An empty handler puts the QMessageBox handler back.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

// The buttons of a kind, in the order shown; any other number OK.
std::vector<TMessageBoxButton> MessageBoxButtons(TMessageBoxKind kind);

// Shows text (where "#13", CR LF and a lone CR break lines) with the warning
// icon and Catalan button texts, and returns the identifier of the button
// pressed. An empty caption becomes "Atencio !!!".
int ShowMessageBox(QWidget* owner, const std::string& text, const std::string& caption = "",
                   TMessageBoxKind kind = TMessageBoxKind::Ok);

// A question whose answers are not the usual buttons: each button its own
// text (already in the user's language). Returns the identifier of the one
// pressed.
struct TChoice {
    TMessageBoxButton button;
    std::string label;
};
int ShowChoiceBox(QWidget* owner, const std::string& text, const std::string& caption,
                  const std::vector<TChoice>& choices);

// The default handler: a modal QMessageBox owned by the request's owner.
int ShowQtMessageBox(const TMessageBoxRequest& request);
