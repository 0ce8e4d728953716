#include "calculator/tapefilecommands.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/translation.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/filedialogs.h"
#include "controls/platform/messagebox.h"
#include "tape/tapeengine.h"
#include "tapefiles/tapecsv.h"
#include "tapefiles/tapefile.h"
#include "tapefiles/tapepages.h"
#include "tapefiles/tapepdf.h"

namespace {

constexpr const char* kTapeFilter =
    QT_TRANSLATE_NOOP("TTapeFileCommands", "Cintes (*.txt);;Tots els fitxers (*)");

std::string Text(const char* text) {
    return Tr("TTapeFileCommands", text);
}
// FormatNumber's code for a value with `decimals` decimals, zero shown.
constexpr int32_t kZeroShown = 1000;

std::string RowsText(int32_t rows) {
    return rows == 1 ? Tr("TTapeFileCommands", "1 fila")
                     : Filled(Tr("TTapeFileCommands", "%1 files"), {std::to_string(rows)});
}

// "09/12/2026 14:30:12 · 12 files · total 1.250,50"
QString ArchivedTapeText(const TArchivedTape& tape, int32_t decimals) {
    std::string text = tape.keptAt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")).toStdString() +
                       " · " + RowsText(tape.rows);
    if (tape.lastTotal) {
        text += Filled(Tr("TTapeFileCommands", " · total %1"),
                       {FormatNumber(*tape.lastTotal, kZeroShown + decimals)});
    }
    return QString::fromStdString(text);
}

}  // namespace

TTapeFileCommands::TTapeFileCommands(QWidget* window, QWidget* anchor, TTapeEngine& engine)
    : window_(window), anchor_(anchor), engine_(&engine) {
    archiveMenu_ = new QMenu(window);
    archiveMenu_->setObjectName(QStringLiteral("MenuCintesAnteriors"));
    connect(archiveMenu_, &QMenu::aboutToShow, this, [this] { FillArchiveMenu(); });
}

void TTapeFileCommands::ShowArchiveMenu() {
    if (!anchor_.isNull()) archiveMenu_->popup(anchor_->mapToGlobal(QPoint(0, 0)));
}

// ---- The archive --------------------------------------------------------------

void TTapeFileCommands::ArchiveTape() {
    try {
        archive_.Keep(engine_->Tape());
        archiveFailed_ = false;
    } catch (const std::exception& error) {
        if (archiveFailed_) return;
        archiveFailed_ = true;
        ShowError(window_, PlatformError(Filled(
                               Tr("TTapeFileCommands",
                                  "La cinta no s'ha pogut guardar a les cintes anteriors (%1): "
                                  "%2#13#13Es continua igualment; Ctrl+Z la pot recuperar."),
                               {archive_.Folder(), error.what()})));
    }
}

void TTapeFileCommands::ArchiveBeforeClosing() {
    try {
        archive_.Keep(engine_->Tape());
    } catch (const std::exception& error) {
        throw PlatformError(Filled(Tr("TTapeFileCommands",
                                      "La cinta no s'ha pogut guardar a les cintes anteriors "
                                      "(%1): %2#13#13La cinta continua oberta."),
                                   {archive_.Folder(), error.what()}));
    }
}

void TTapeFileCommands::ClearTape() {
    ArchiveTape();
    engine_->ClearTape();
}

void TTapeFileCommands::FillArchiveMenu() {
    archiveMenu_->clear();
    const std::vector<TArchivedTape> tapes = archive_.Newest(kListedTapes);
    if (tapes.empty()) {
        archiveMenu_
            ->addAction(QString::fromStdString(
                Tr("TTapeFileCommands", "Encara no hi ha cap cinta guardada")))
            ->setEnabled(false);
        return;
    }
    for (const TArchivedTape& tape : tapes) {
        QAction* item =
            archiveMenu_->addAction(ArchivedTapeText(tape, engine_->Options().decimals));
        const std::string path = tape.path;
        connect(item, &QAction::triggered, this,
                [this, path] { RunGuarded(window_, [this, path] { OpenTapeFile(path); }); });
    }
}

// ---- Files --------------------------------------------------------------------

void TTapeFileCommands::SaveTape() {
    const std::string path =
        ChooseSaveFile(QT_TRANSLATE_NOOP("TTapeFileCommands", "Desa la cinta"), "txt", kTapeFilter);
    if (path.empty()) return;
    SaveTapeFile(engine_->Tape(), path);
    Remember(path);
}

void TTapeFileCommands::OpenTape() {
    TFileDialogRequest request;
    request.kind = TFileDialogRequest::TKind::Open;
    request.owner = window_;
    request.caption = Text(QT_TRANSLATE_NOOP("TTapeFileCommands", "Obre una cinta"));
    request.proposed = StartFolder();
    request.filter = Text(kTapeFilter);
    const std::string path = ChooseFile(request);
    if (path.empty()) return;
    Remember(path);
    OpenTapeFile(path);
}

// Lines that are no tape rows are left out only when the user says so.
bool TTapeFileCommands::OpenTapeFile(const std::string& path) {
    TTapeFileContent content = LoadTapeFile(path);
    if (content.badLines > 0) {
        const char* const text =
            content.badLines == 1
                ? QT_TRANSLATE_NOOP(
                      "TTapeFileCommands",
                      "El fitxer «%1» té %2 línia que no és una fila de cinta (la "
                      "línia %3).#13Voleu obrir-ne les %4 i deixar de banda la resta?")
                : QT_TRANSLATE_NOOP("TTapeFileCommands",
                                    "El fitxer «%1» té %2 línies que no són una fila de cinta (la "
                                    "primera és la línia %3).#13Voleu obrir-ne les %4 i deixar de "
                                    "banda la resta?");
        const std::string question =
            Filled(Text(text),
                   {path, std::to_string(content.badLines), std::to_string(content.firstBadLine),
                    RowsText(static_cast<int32_t>(content.tape.rows.size()))});
        if (ShowMessageBox(window_, question, Tr("TTapeFileCommands", "Obre una cinta"),
                           TMessageBoxKind::YesNo) != idYes)
            return false;
    }
    ArchiveTape();
    engine_->ReplaceTape(std::move(content.tape.rows), content.tape.linkField);
    return true;
}

void TTapeFileCommands::ExportPdf() {
    const std::string path =
        ChooseSaveFile(QT_TRANSLATE_NOOP("TTapeFileCommands", "Exporta a PDF"), "pdf",
                       QT_TRANSLATE_NOOP("TTapeFileCommands", "PDF (*.pdf)"));
    if (path.empty()) return;
    SaveTapePdf(engine_->Tape(), engine_->Options().decimals, path);
    Remember(path);
}

void TTapeFileCommands::ExportCsv() {
    const std::string path =
        ChooseSaveFile(QT_TRANSLATE_NOOP("TTapeFileCommands", "Exporta a CSV"), "csv",
                       QT_TRANSLATE_NOOP("TTapeFileCommands", "CSV (*.csv)"));
    if (path.empty()) return;
    SaveTapeCsv(engine_->Tape(), path, RegionalCsvFormat());
    Remember(path);
}

void TTapeFileCommands::PrintTape() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(Tr("TTapePages", "Cinta de càlcul")));
    if (!ChoosePrinter(window_, printer)) return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    TTapePages(engine_->Tape(), engine_->Options().decimals, QDateTime::currentDateTime())
        .Print(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}

std::string TTapeFileCommands::ChooseSaveFile(const char* caption, const char* extension,
                                              const char* filter) {
    const QString name =
        QStringLiteral("cinta-%1.%2").arg(QDate::currentDate().toString(Qt::ISODate), extension);
    TFileDialogRequest request;
    request.kind = TFileDialogRequest::TKind::Save;
    request.owner = window_;
    request.caption = Text(caption);
    request.proposed = QDir(QString::fromStdString(StartFolder())).filePath(name).toStdString();
    request.filter = Text(filter);
    return ChooseFile(request);
}

void TTapeFileCommands::Remember(const std::string& path) {
    folder_ = QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
}

// The folder of the last file, else the documents folder, else home.
std::string TTapeFileCommands::StartFolder() const {
    if (!folder_.empty()) return folder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return (QDir(documents).exists() ? documents : QDir::homePath()).toStdString();
}
