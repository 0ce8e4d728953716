#pragma once

// TTapeFileCommands: the tape's files in the main window: save a tape to a
// file and open one, export the tape to PDF and CSV, print it, and open a
// tape of the archive from the menu of earlier tapes ("Cintes anteriors").
// The commands of the options menu and their keys play them.
//
// Before the tape is cleared (F8, the clear button) or replaced (Ctrl+E, a
// tape opened from a file or from the archive), ArchiveTape keeps it in the
// archive of earlier tapes. A failure to archive never stops the action: it
// is shown once, and not again until archiving works again (the action can
// still be undone).
//
// Opening a file replaces the tape as one step of the undo history; a file
// that is no tape is reported and leaves the tape as it was, and a file with
// lines that are no tape rows is opened only when the user agrees to leave
// them out.

#include <QObject>
#include <QPointer>
#include <string>

#include "tapefiles/tapearchive.h"

class QMenu;
class QWidget;
class TTapeEngine;

class TTapeFileCommands : public QObject {
public:
    // The archived tapes the menu lists.
    static constexpr int kListedTapes = 20;

    // `window` owns the dialogs, the boxes and the menu of earlier tapes;
    // `anchor` is where that menu opens from its key.
    TTapeFileCommands(QWidget* window, QWidget* anchor, TTapeEngine& engine);

    // The commands act on another tape.
    void Follow(TTapeEngine& engine) { engine_ = &engine; }

    // Opens the menu of earlier tapes at the anchor.
    void ShowArchiveMenu();

    void ArchiveTape();
    // Keeps the tape in the archive before it goes for good: a failure
    // throws PlatformError, and the tape must stay.
    void ArchiveBeforeClosing();
    // Archives the tape, then clears it.
    void ClearTape();

    void SaveTape();
    void OpenTape();
    void ExportPdf();
    void ExportCsv();
    void PrintTape();
    // Opens a tape file in place of the tape; false when the user chose not
    // to open it.
    bool OpenTapeFile(const std::string& path);

    TTapeArchive& Archive() { return archive_; }
    QMenu* ArchiveMenu() const { return archiveMenu_; }

private:
    void FillArchiveMenu();
    // The file chosen in a save dialog proposing today's `cinta-<date>.<extension>`;
    // empty when cancelled.
    std::string ChooseSaveFile(const char* caption, const char* extension, const char* filter);
    void Remember(const std::string& path);
    std::string StartFolder() const;

    QPointer<QWidget> window_;
    QPointer<QWidget> anchor_;
    TTapeEngine* engine_;
    TTapeArchive archive_;
    bool archiveFailed_ = false;
    QMenu* archiveMenu_ = nullptr;
    // The folder of the last file saved or opened.
    std::string folder_;
};
