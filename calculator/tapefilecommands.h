#pragma once

// TTapeFileCommands: the tape's files in the main window. The options menu
// gets items that save a tape to a file and open one, export the tape to PDF
// and CSV, print it, and open a tape of the archive ("Cintes anteriors");
// each shows its key, which the window's key handler passes to Keys.
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

#include <QKeyCombination>
#include <QObject>
#include <QPointer>
#include <string>

#include "tapefiles/tapearchive.h"

class QAction;
class QMenu;
class QWidget;
class TTapeEngine;

class TTapeFileCommands : public QObject {
public:
    // The keys of the items.
    static constexpr QKeyCombination kSaveKey = Qt::CTRL | Qt::Key_S;
    static constexpr QKeyCombination kOpenKey = Qt::CTRL | Qt::Key_O;
    static constexpr QKeyCombination kPdfKey = Qt::CTRL | Qt::Key_D;
    static constexpr QKeyCombination kCsvKey = Qt::CTRL | Qt::Key_T;
    static constexpr QKeyCombination kPrintKey = Qt::CTRL | Qt::SHIFT | Qt::Key_P;
    static constexpr QKeyCombination kArchiveKey = Qt::CTRL | Qt::Key_H;
    // The archived tapes the menu lists.
    static constexpr int kListedTapes = 20;

    // `window` owns the dialogs and boxes; `anchor` is where the archive's
    // menu opens from its key.
    TTapeFileCommands(QWidget* window, QWidget* anchor, TTapeEngine& engine);

    void AddMenuItems(QMenu& menu);
    // Plays the key of an item; sets `key` to 0 and returns true when it is one.
    bool Keys(int& key, Qt::KeyboardModifiers shift);

    void ArchiveTape();
    // Archives the tape, then clears it.
    void ClearTape();

    void SaveTape();
    void OpenTape();
    void ExportPdf();
    void ExportCsv();
    void PrintTape();
    // Opens a tape file in place of the tape.
    void OpenTapeFile(const std::string& path);

    TTapeArchive& Archive() { return archive_; }
    QMenu* ArchiveMenu() const { return archiveMenu_; }

private:
    QAction* AddItem(QMenu& menu, const char* name, const char* caption, QKeyCombination key,
                     void (TTapeFileCommands::*handler)());
    void FillArchiveMenu();
    // The file chosen in a save dialog proposing today's `cinta-<date>.<extension>`;
    // empty when cancelled.
    std::string ChooseSaveFile(const char* caption, const char* extension, const char* filter);
    void Remember(const std::string& path);
    std::string StartFolder() const;

    QPointer<QWidget> window_;
    QPointer<QWidget> anchor_;
    TTapeEngine& engine_;
    TTapeArchive archive_;
    bool archiveFailed_ = false;
    QMenu* archiveMenu_ = nullptr;
    // The folder of the last file saved or opened.
    std::string folder_;
};
