#pragma once

// The program's file and printer dialogs. Each goes through one replaceable
// handler, as the warning box does: the default handlers show the usual Qt
// dialogs; tests install their own to answer them.

#include <functional>
#include <string>

class QPrinter;
class QWidget;

struct TFileDialogRequest {
    enum class TKind { Open, Save };
    TKind kind = TKind::Open;
    QWidget* owner = nullptr;
    std::string caption;
    // The file proposed (Save) or the folder to start in (Open).
    std::string proposed;
    // The kinds of file offered: "Cintes (*.txt)"; a Save adds the first
    // one's extension to a name typed without one.
    std::string filter;
};

// The chosen file's path; empty when the dialog was cancelled.
using TFileDialogHandler = std::function<std::string(const TFileDialogRequest&)>;
// Installs the handler and returns the one it replaces; an empty handler
// puts QFileDialog back.
TFileDialogHandler SetFileDialogHandler(TFileDialogHandler handler);
std::string ChooseFile(const TFileDialogRequest& request);

// Sets the printer up; false when the dialog was cancelled.
using TPrintDialogHandler = std::function<bool(QWidget* owner, QPrinter& printer)>;
// Installs the handler and returns the one it replaces; an empty handler
// puts QPrintDialog back.
TPrintDialogHandler SetPrintDialogHandler(TPrintDialogHandler handler);
bool ChoosePrinter(QWidget* owner, QPrinter& printer);
