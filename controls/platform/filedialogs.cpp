#include "controls/platform/filedialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <utility>

namespace {

// The extension of the first kind of file of a filter: "txt" of "Cintes (*.txt)".
QString FirstExtension(const QString& filter) {
    static const QRegularExpression kExtension(QStringLiteral("\\*\\.(\\w+)"));
    return kExtension.match(filter).captured(1);
}

std::string ShowQtFileDialog(const TFileDialogRequest& request) {
    QFileDialog dialog(request.owner, QString::fromStdString(request.caption));
    const QString filter = QString::fromStdString(request.filter);
    dialog.setNameFilter(filter);
    if (request.kind == TFileDialogRequest::TKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(FirstExtension(filter));
        dialog.selectFile(QString::fromStdString(request.proposed));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(QString::fromStdString(request.proposed));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

bool ShowQtPrintDialog(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

TFileDialogHandler& FileHandler() {
    static TFileDialogHandler handler = ShowQtFileDialog;
    return handler;
}

TPrintDialogHandler& PrintHandler() {
    static TPrintDialogHandler handler = ShowQtPrintDialog;
    return handler;
}

}  // namespace

TFileDialogHandler SetFileDialogHandler(TFileDialogHandler handler) {
    if (!handler) handler = ShowQtFileDialog;
    return std::exchange(FileHandler(), std::move(handler));
}

std::string ChooseFile(const TFileDialogRequest& request) {
    return FileHandler()(request);
}

TPrintDialogHandler SetPrintDialogHandler(TPrintDialogHandler handler) {
    if (!handler) handler = ShowQtPrintDialog;
    return std::exchange(PrintHandler(), std::move(handler));
}

bool ChoosePrinter(QWidget* owner, QPrinter& printer) {
    return PrintHandler()(owner, printer);
}
