// Copy and paste through the clipboard, and text dropped on the window.

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "controls/grid/gridex.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

using ClipboardTest = CalculadoraWindow;

std::string Clipboard() {
    return QApplication::clipboard()->text().toStdString();
}

void SetClipboard(const char* text) {
    QApplication::clipboard()->setText(QString::fromUtf8(text));
}

TEST_F(ClipboardTest, CopyKeysPutTheResultValuesAndTape) {
    Type("12,5+3=");
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "12,5\r\n3\r\n15,5\r\n");
    Key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "12,5\t+\r\n3\t=\r\n15,5\t\r\n");
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "15,5");
    Choose("MenuConvertir");
    Click("BotoCopiarValors");
    EXPECT_EQ(Clipboard(), "12.5\r\n3\r\n15.5\r\n");
    EXPECT_EQ(Focus(), &window->Paper());
}

TEST_F(ClipboardTest, PasteReadsEitherDecimalSeparator) {
    SetClipboard("1.234,56\r\n1,234.56\r\n1234");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "1234.56 + | 1234.56 + | 1234");
    EXPECT_EQ(CurrentRow(), 3);
    EXPECT_EQ(Subtotal(), "3.703,12");
}

// Lines end at CR LF or at a lone LF; a final line end adds no empty line,
// so a single number stays a single-line paste that waits for its operator.
TEST_F(ClipboardTest, LinesEndAtCrLfOrLf) {
    SetClipboard("5\n6");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "5 + | 6");
    SetClipboard("9\r\n");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "5 + | 6 | 9 +");
    EXPECT_EQ(CurrentRow(), 3);
}

TEST_F(ClipboardTest, ACopiedTapePastesBackOverTheOldOne) {
    Type("12,5+3=");
    Key(Qt::Key_P, Qt::ControlModifier);
    Type("7+");
    Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(Tape(), "12.5 + | 3 = | 15.5");
}

TEST_F(ClipboardTest, LinesWithoutANumberAddNothing) {
    Type("4+");
    SetClipboard("0\r\nabc\r\n");
    Click("BotoEnganxarMes");
    EXPECT_EQ(Tape(), "4 +");
    EXPECT_EQ(Subtotal(), "4,00");
}

TEST_F(ClipboardTest, ControlInsertCopiesTheResultAndAppendsIt) {
    Type("12+5=");
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "17");
    EXPECT_EQ(Tape(), "12 + | 5 = | 17 | 17 +");
}

// A drop arrives as a real drop event on the window.
void Drop(QWidget* window, QMimeData& data) {
    QDragEnterEvent enter(QPoint(20, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QCoreApplication::processEvents();
}

TEST_F(ClipboardTest, DroppedTextLinesGoToTheTape) {
    QMimeData text;
    text.setText(QStringLiteral("two\r\n2\r\n3"));
    Drop(window, text);
    // The line without a number is skipped; Enter then ends the calculation.
    EXPECT_EQ(Tape(), "2 + | 3");
    EXPECT_EQ(Subtotal(), "5,00");
    EXPECT_TRUE(boxes.requests.empty());
}

TEST_F(ClipboardTest, ADroppedFileShowsTheFormatsOffered) {
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/factura.pdf"))});
    Drop(window, files);
    EXPECT_EQ(Tape(), "");
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].text.find("No s'han pogut capturar els elements rebuts."),
              std::string::npos);
}

}  // namespace
