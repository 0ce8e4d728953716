// The drop handling: dropped text reaches the tape as lines, anything else is
// reported with the formats offered, and Control shows them numbered. Driven
// first through the in-memory source, then with real drop events on a window.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "basic/platformerror.h"
#include "exchange/droptarget.h"
#include "exchange/memorysource.h"
#include "tests/exchange/blockbuilders.h"

using testing::ElementsAre;

namespace {

const std::string kNothingCaptured =
    " No s'han pogut capturar els elements rebuts. \r\r (Informació Tècnica: Formats:) \r\r";
const std::string kNumbered = " Informació Tècnica: Formats: \r\r";

class DropTest : public testing::Test {
protected:
    void SetUp() override {
        target.AddLines = [this](const TArrayCadena& lines) {
            events.push_back("lines");
            received.clear();
            for (int i = 0; i < lines.Count(); ++i)
                received.push_back(lines.Strings(i));
        };
        target.ShowMessage = [this](const std::string& text, const std::string& caption,
                                    TMessageBoxKind kind) {
            events.push_back("message");
            messages.push_back(text);
            EXPECT_EQ(caption, "Atencio!!");
            EXPECT_EQ(kind, TMessageBoxKind::Ok);
            return 1;
        };
    }

    TDropTarget target;
    std::vector<std::string> events;
    std::vector<std::string> received;
    std::vector<std::string> messages;
};

TEST_F(DropTest, TextIsHandedOnAsLines) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_TEXT, Text8Block("two\r\nthree"));
    target.Drop(source, 0);
    EXPECT_THAT(received, ElementsAre("two", "three"));
    EXPECT_THAT(events, ElementsAre("lines"));
    EXPECT_EQ(source.MediaReleased(), source.MediaHandedOut());
}

TEST_F(DropTest, FilesAreReportedWithTheFormatsOffered) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_HDROP, FileDropBlock({"/tmp/a.txt"}, false));
    source.OfferGlobal(0xC000, BytesOf("x"), "Shell IDList Array");
    target.Drop(source, 0);
    EXPECT_TRUE(received.empty());
    EXPECT_THAT(messages,
                ElementsAre(kNothingCaptured + "  - [CF_HDROP]\r  - [Shell IDList Array]\r"));
}

TEST_F(DropTest, ControlShowsTheNumberedFormatsBeforeTheLinesGoOn) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_TEXT, Text8Block("5"));
    source.OfferGlobal(0xC001, BytesOf("5"), "text/html");
    target.Drop(source, KeyState::MK_CONTROL);
    EXPECT_THAT(messages, ElementsAre(kNumbered + "  - [CF_TEXT]\r  - [[49153] text/html]\r"));
    EXPECT_THAT(events, ElementsAre("message", "lines"));
    EXPECT_THAT(received, ElementsAre("5"));
}

TEST_F(DropTest, NothingOfferedAndControlGivesBothMessages) {
    MemoryDataSource source;
    target.Drop(source, KeyState::MK_CONTROL | KeyState::MK_SHIFT);
    EXPECT_THAT(messages, ElementsAre(kNothingCaptured, kNumbered));
}

TEST_F(DropTest, EmptyOrRefusedTextIsNoTapeInput) {
    MemoryDataSource empty;
    empty.OfferGlobal(ClipFormat::CF_TEXT, Text8Block(""));
    target.Drop(empty, 0);
    EXPECT_TRUE(events.empty());  // an empty text: no message, nothing to the tape

    MemoryDataSource refused;
    refused.OfferGlobal(ClipFormat::CF_TEXT, Text8Block("12"));
    refused.RefuseLast();
    target.Drop(refused, 0);
    EXPECT_THAT(messages, ElementsAre(kNothingCaptured + "  - [CF_TEXT]\r"));
    EXPECT_TRUE(received.empty());
}

TEST(KeyState, ControlIsBit8) {
    EXPECT_EQ(KeyStateFrom(Qt::ControlModifier), 8u);
    EXPECT_EQ(KeyStateFrom(Qt::ShiftModifier | Qt::AltModifier), 4u | 32u);
    EXPECT_EQ(KeyStateFrom(Qt::NoModifier), 0u);
}

// Real drag and drop events on a registered window.
class WindowDropTest : public DropTest {
protected:
    void SetUp() override {
        DropTest::SetUp();
        window.setObjectName("window");
        window.resize(200, 100);
        window.show();
        target.Register(&window);
    }
    // Drags `mime` into the window and drops it in the middle, as a user
    // does; returns the drop's action.
    Qt::DropAction DropOnWindow(const QMimeData& mime, Qt::KeyboardModifiers modifiers) {
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(100, 50), actions, &mime, Qt::LeftButton, modifiers);
        QApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(100, 50), actions, &mime, Qt::LeftButton, modifiers);
        QApplication::sendEvent(&window, &drop);
        EXPECT_TRUE(drop.isAccepted());
        return drop.dropAction();
    }

    QWidget window;
};

TEST_F(WindowDropTest, EveryDragIsAcceptedAsACopy) {
    EXPECT_TRUE(window.acceptDrops());
    QMimeData anything;
    anything.setData("application/x-whatever", "1");
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction | Qt::CopyAction, &anything,
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDragMoveEvent move(QPoint(20, 20), Qt::MoveAction | Qt::CopyAction, &anything, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), Qt::CopyAction);
}

TEST_F(WindowDropTest, DroppedTextBecomesTwoLinesAndTheWindowTakesTheFocus) {
    QWidget other;
    other.setObjectName("other");
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &other);
    QMimeData mime;
    mime.setText("two\r\nthree");
    EXPECT_EQ(DropOnWindow(mime, Qt::NoModifier), Qt::CopyAction);
    EXPECT_THAT(received, ElementsAre("two", "three"));
    EXPECT_TRUE(messages.empty());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &window);
}

TEST_F(WindowDropTest, DroppedFileShowsTheFormatMessage) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/tmp/factura.pdf")});
    DropOnWindow(mime, Qt::NoModifier);
    EXPECT_THAT(messages, ElementsAre(kNothingCaptured + "  - [CF_HDROP]\r"));
    EXPECT_TRUE(received.empty());
}

TEST_F(WindowDropTest, ErrorsOfTheTapeAreReportedAndTheDropStillSucceeds) {
    std::string reported;
    target.AddLines = [](const TArrayCadena&) { throw PlatformError("',' is not a number"); };
    target.ReportError = [&reported](const std::exception& error) { reported = error.what(); };
    QMimeData mime;
    mime.setText(",");
    EXPECT_EQ(DropOnWindow(mime, Qt::NoModifier), Qt::CopyAction);
    EXPECT_EQ(reported, "',' is not a number");
}

TEST_F(WindowDropTest, RevokedWindowTakesNoDrops) {
    target.Revoke();
    EXPECT_FALSE(window.acceptDrops());
    QMimeData mime;
    mime.setText("1");
    QDropEvent drop(QPointF(100, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_TRUE(received.empty());
}

}  // namespace
