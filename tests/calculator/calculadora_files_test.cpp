// The tape's files in the main window: the archive kept before F8, the clear
// button and Ctrl+E; saving, opening, exporting and printing through the
// keys and their dialogs; bad files; and the menu of earlier tapes.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "calculator/tapefilecommands.h"
#include "controls/platform/filedialogs.h"
#include "tests/calculator/calculadorafixture.h"
#include "tests/support/tablecases.h"
#include "tests/support/testenvironment.h"

namespace {

QString ArchiveFolder() {
    return QString::fromLocal8Bit(TestDataHome()) + "/Tarvik/cintes";
}

QStringList ArchiveFiles() {
    return QDir(ArchiveFolder()).entryList(QDir::Files, QDir::Name | QDir::Reversed);
}

std::string FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Every file and printer dialog answers with a file of the test's folder
// and keeps the requests; the boxes answer `answer`.
class FilesTest : public CalculadoraWindow {
protected:
    FilesTest() {
        QDir(QString::fromLocal8Bit(TestDataHome()) + "/Tarvik").removeRecursively();
        previousFiles_ = SetFileDialogHandler([this](const TFileDialogRequest& request) {
            requests.push_back(request);
            return chosen.toStdString();
        });
        previousPrint_ = SetPrintDialogHandler([this](QWidget*, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(chosen);
            return true;
        });
        previousBoxes_ = SetMessageBoxHandler([this](const TMessageBoxRequest& request) {
            boxes.requests.push_back(request);
            return static_cast<int>(answer);
        });
    }
    ~FilesTest() override {
        SetFileDialogHandler(previousFiles_);
        SetPrintDialogHandler(previousPrint_);
        SetMessageBoxHandler(previousBoxes_);
        QDir(QString::fromLocal8Bit(TestDataHome()) + "/Tarvik").removeRecursively();
    }

    void Choose(const char* name) { chosen = folder.filePath(name); }

    QTemporaryDir folder;
    QString chosen;
    std::vector<TFileDialogRequest> requests;
    TMessageBoxButton answer = idYes;

private:
    TFileDialogHandler previousFiles_;
    TPrintDialogHandler previousPrint_;
    TMessageBoxHandler previousBoxes_;
};

enum class TClear { F8, Button, PasteReplace };

struct ClearCase {
    const char* name;
    TClear clear;
    const char* tapeAfter;
    friend std::ostream& operator<<(std::ostream& os, const ClearCase& c) { return os << c.name; }
};

class ArchiveOnClear : public FilesTest, public testing::WithParamInterface<ClearCase> {};

// Each way of clearing or replacing the tape leaves one file in the archive,
// holding the tape as it was.
TEST_P(ArchiveOnClear, KeepsTheTapeInOneFile) {
    Type("12+5=");
    switch (GetParam().clear) {
        case TClear::F8:
            Key(Qt::Key_F8);
            break;
        case TClear::Button:
            Click("BotoNetejar");
            break;
        case TClear::PasteReplace:
            QApplication::clipboard()->setText("3");
            Key(Qt::Key_E, Qt::ControlModifier);
            break;
    }
    EXPECT_EQ(Tape(), GetParam().tapeAfter);
    const QStringList files = ArchiveFiles();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(FileBytes(ArchiveFolder() + "/" + files[0]), "12\t+\r\n5\t=\r\n17\t\r\n");
    EXPECT_TRUE(boxes.requests.empty());
}

INSTANTIATE_TEST_SUITE_P(Clears, ArchiveOnClear,
                         testing::Values(ClearCase{"F8", TClear::F8, ""},
                                         ClearCase{"ClearButton", TClear::Button, ""},
                                         ClearCase{"CtrlE", TClear::PasteReplace, "3 +"}),
                         CaseName<ClearCase>);

// The archive cannot be written (its folder is a file): one message, and
// every clear still happens and can be undone.
TEST_F(FilesTest, AFailedArchiveIsShownOnceAndTheClearStillHappens) {
    ASSERT_TRUE(QDir().mkpath(QString::fromLocal8Bit(TestDataHome()) + "/Tarvik"));
    WriteBytes(ArchiveFolder(), "not a folder");
    Type("12+5=");
    Key(Qt::Key_F8);
    EXPECT_EQ(Tape(), "");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    Key(Qt::Key_F8);
    EXPECT_EQ(Tape(), "");
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].text.find("cintes anteriors"), std::string::npos);

    // Once the archive works again, a later failure is shown again.
    QFile::remove(ArchiveFolder());
    Type("4+");
    Key(Qt::Key_F8);
    EXPECT_EQ(ArchiveFiles().size(), 1);
    QDir(ArchiveFolder()).removeRecursively();
    WriteBytes(ArchiveFolder(), "not a folder");
    Type("6+");
    Key(Qt::Key_F8);
    EXPECT_EQ(boxes.requests.size(), 2u);
}

// Ctrl+S proposes today's name and writes the tape as its lines; Ctrl+O
// puts a saved tape back in place of the current one, archiving that one,
// and Ctrl+Z takes the whole opening back.
TEST_F(FilesTest, SaveAndOpenThroughTheKeys) {
    Type("12+5=");
    Choose("caixa.txt");
    Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, TFileDialogRequest::TKind::Save);
    EXPECT_TRUE(QString::fromStdString(requests[0].proposed)
                    .endsWith("cinta-" + QDate::currentDate().toString(Qt::ISODate) + ".txt"));
    EXPECT_EQ(FileBytes(chosen), "12\t+\r\n5\t=\r\n17\t\r\n");

    Key(Qt::Key_F8);
    Type("100-1=");
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    EXPECT_EQ(CurrentRow(), 3);
    ASSERT_EQ(ArchiveFiles().size(), 2);
    EXPECT_EQ(FileBytes(ArchiveFolder() + "/" + ArchiveFiles()[0]), "100\t-\r\n1\t=\r\n99\t\r\n");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "100 - | 1 = | 99");
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    // Typing goes on at the end of the opened tape.
    Type("3+");
    EXPECT_EQ(Tape(), "12 + | 5 = | 17 | 3 +");
}

TEST_F(FilesTest, AFileThatIsNoTapeIsReportedAndChangesNothing) {
    Type("12+5=");
    Choose("foto.png");
    WriteBytes(chosen, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].text.find("no és una cinta"), std::string::npos);
    EXPECT_TRUE(ArchiveFiles().isEmpty());
}

// Lines that are no tape rows are counted in a question; the tape opens
// without them only when the user agrees.
TEST_F(FilesTest, LinesThatAreNoRowsAreLeftOutOnlyWhenAgreed) {
    Type("9+");
    Choose("mixta.txt");
    WriteBytes(chosen, "12\t+\r\nfull de càlcul\r\n5\t=\r\nsuma\r\n17\t\r\n");
    answer = idNo;
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "9 +");
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].text.find("2 línies"), std::string::npos);
    EXPECT_NE(boxes.requests[0].text.find("línia 2"), std::string::npos);
    EXPECT_TRUE(ArchiveFiles().isEmpty());

    answer = idYes;
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    EXPECT_EQ(ArchiveFiles().size(), 1);
}

struct ExportCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* file;
    std::string start;
    friend std::ostream& operator<<(std::ostream& os, const ExportCase& c) { return os << c.name; }
};

class ExportKeys : public FilesTest, public testing::WithParamInterface<ExportCase> {};

TEST_P(ExportKeys, WriteTheirKindOfFile) {
    const ExportCase& c = GetParam();
    Type("1250,5+380-12,5=");
    Choose(c.file);
    Key(c.key, c.modifiers);
    EXPECT_EQ(FileBytes(chosen).substr(0, c.start.size()), c.start);
    EXPECT_TRUE(boxes.requests.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ExportKeys,
    testing::Values(ExportCase{"SaveCtrlS", Qt::Key_S, Qt::ControlModifier, "cinta.txt",
                               "1250,5\t+\r\n"},
                    ExportCase{"PdfCtrlD", Qt::Key_D, Qt::ControlModifier, "cinta.pdf", "%PDF"},
                    ExportCase{"CsvCtrlT", Qt::Key_T, Qt::ControlModifier, "cinta.csv",
                               "\xEF\xBB\xBFValor;Operació;Comentari;Elements\r\n1250,5;+;;\r\n"},
                    ExportCase{"PrintCtrlShiftP", Qt::Key_P,
                               Qt::ControlModifier | Qt::ShiftModifier, "impresa.pdf", "%PDF"}),
    CaseName<ExportCase>);

// Pages 2 and 3 of a tape of three pages, as chosen in the print dialog.
TEST_F(FilesTest, PrintingKeepsToThePagesChosen) {
    for (int i = 0; i < 120; ++i)
        Type("1+");
    Choose("pagines.pdf");
    SetPrintDialogHandler([this](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(chosen);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        return true;
    });
    Key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    // Each page is one object of type /Page in the file.
    const QString pdf = QString::fromStdString(FileBytes(chosen));
    EXPECT_EQ(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")), 2);
}

// The words of a PDF file's text, and its pages (each ends in a form feed).
struct PdfText {
    QStringList words;
    qsizetype pages = 0;
};

PdfText ReadPdfText(const QString& pdftotext, const QString& path) {
    QProcess process;
    process.start(pdftotext, {"-layout", path, "-"});
    EXPECT_TRUE(process.waitForFinished()) << path.toStdString();
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    return {text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts), text.count('\f')};
}

// A tape of three pages with a different value on every row: the PDF and the
// printout show every one, the rows at the page breaks included.
TEST_F(FilesTest, EveryRowIsOnItsPage) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    const int rows = 120;
    std::string file;  // lines 1 to 20 empty, then the tape
    for (int line = 1; line <= 20; ++line)
        file += "\r\n";
    for (int row = 0; row < rows; ++row)
        file += std::to_string(1001 + row) + "\t+\r\n";
    Close();
    WriteFile(file);
    Open();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_D, Qt::KeyboardModifiers(Qt::ControlModifier)},
          std::pair{Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier}}) {
        Choose(key == Qt::Key_D ? "cinta.pdf" : "impresa.pdf");
        Key(key, modifiers);
        const PdfText pdf = ReadPdfText(pdftotext, chosen);
        ASSERT_EQ(pdf.pages, 3) << chosen.toStdString();
        QStringList missing;
        for (int row = 0; row < rows; ++row) {
            const QString value = QString("1.%1,00").arg(row + 1, 3, 10, QChar('0'));
            if (!pdf.words.contains(value)) missing << value;
        }
        EXPECT_TRUE(missing.isEmpty())
            << chosen.toStdString() << " lacks " << missing.join(' ').toStdString();
    }
}

TEST_F(FilesTest, ACancelledDialogDoesNothing) {
    Type("12+");
    chosen.clear();
    for (Qt::Key key : {Qt::Key_S, Qt::Key_O, Qt::Key_D, Qt::Key_T})
        Key(key, Qt::ControlModifier);
    EXPECT_EQ(requests.size(), 4u);
    EXPECT_EQ(Tape(), "12 +");
    EXPECT_TRUE(boxes.requests.empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// The menu lists the archived tapes, newest first, with their rows and
// last total; choosing one opens it in place of the tape.
TEST_F(FilesTest, EarlierTapesAreListedAndOpened) {
    Type("12+5=");
    Key(Qt::Key_F8);
    Type("7+");
    Key(Qt::Key_F8);
    Type("1+");
    QMenu* menu = window->Files().ArchiveMenu();
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->text().endsWith(" · 1 fila"));
    EXPECT_TRUE(items[1]->text().endsWith(" · 3 files · total 17,00"));
    items[1]->trigger();
    EXPECT_EQ(Tape(), "12 + | 5 = | 17");
    EXPECT_EQ(ArchiveFiles().size(), 3);
}

}  // namespace
