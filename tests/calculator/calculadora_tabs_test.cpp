// Tapes in tabs in the main window: each tape keeps its rows, entry, memory
// and undo history; the options are the calculator's; the tabs come and go
// with the second tape without moving anything else; a tape closed goes to
// the archive; the tapes, their names and the one in use come back at the
// next start; and a second tape on a full disk is told and kept like the
// first.

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QTabBar>
#include <QTimer>

#include "calculator/tapelist.h"
#include "calculator/tapeset.h"
#include "controls/grid/gridex.h"
#include "tape/tapeengine.h"
#include "tests/calculator/calculadorafixture.h"
#include "tests/support/smallfilesystem.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testfiles.h"

namespace {

const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

class TabsTest : public CalculadoraWindow {
protected:
    QTabBar* Tabs() const { return Find<QTabBar>("Cintes"); }
    TTapeSet& Tapes() const { return window->Tapes(); }
    QStringList TabTexts() const {
        QStringList texts;
        for (int index = 0; index < Tabs()->count(); ++index)
            texts.append(Tabs()->tabText(index));
        return texts;
    }
    static QDir Archive() {
        return QDir(QString::fromStdString(TTapeSet::DefaultFolder() + "/cintes"));
    }
};

TEST_F(TabsTest, EachTapeKeepsItsOwnRowsEntryMemoryAndUndo) {
    const QRect paper = window->Paper().geometry();
    Type("12+");
    Key(Qt::Key_F4);  // M+
    Type("3");
    EXPECT_FALSE(Tabs()->isVisible());

    Key(Qt::Key_N, kCtrlShift);
    EXPECT_TRUE(Tabs()->isVisible());
    EXPECT_EQ(TabTexts(), (QStringList{"Cinta 1", "Cinta 2"}));
    EXPECT_EQ(window->Paper().geometry(), paper.adjusted(0, Tabs()->height(), 0, 0));
    EXPECT_EQ(Tape(), "");
    EXPECT_EQ(Entry(), "");
    EXPECT_EQ(window->Engine().State().memory, 0);
    EXPECT_FALSE(window->Engine().History().CanUndo());
    Type("7+5+");
    Key(Qt::Key_Z, kCtrl);
    EXPECT_EQ(Tape(), "7 +");

    Key(Qt::Key_Tab, kCtrl);  // round the end to the first
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Tape(), "12 +");
    EXPECT_EQ(Entry(), "3");
    EXPECT_EQ(window->Engine().State().memory, 12);
    Key(Qt::Key_Z, kCtrl);  // this tape's own last step
    EXPECT_EQ(window->Engine().State().memory, 0);
    Key(Qt::Key_PageDown, kCtrl);
    EXPECT_EQ(Tape(), "7 +");
}

// A tape with rows goes to the archive and its tab closes; the last tape is
// only cleared, into the archive too, and the tabs go with their room.
TEST_F(TabsTest, CtrlWClosesATapeIntoTheArchiveAndClearsTheLast) {
    Archive().removeRecursively();
    const QRect paper = window->Paper().geometry();
    Type("1+");
    Key(Qt::Key_N, kCtrlShift);
    Type("2+");
    Key(Qt::Key_W, kCtrl);
    EXPECT_EQ(Tapes().Count(), 1);
    EXPECT_FALSE(Tabs()->isVisible());
    EXPECT_EQ(window->Paper().geometry(), paper);
    EXPECT_EQ(Tape(), "1 +");
    ASSERT_EQ(Archive().entryList(QDir::Files).size(), 1);
    EXPECT_EQ(ReadBytes(Archive().filePath(Archive().entryList(QDir::Files)[0]).toStdString()),
              "2\t+\r\n")
        << "the tape in use is the one archived";
    EXPECT_FALSE(
        QFile::exists(QString::fromStdString(TTapeSet::DefaultFolder() + "/oberta-2.txt")));

    Key(Qt::Key_W, kCtrl);
    EXPECT_EQ(Tape(), "");
    EXPECT_EQ(Archive().entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(boxes.requests.empty());
}

// The options are the calculator's: chosen in one tape, they are every
// tape's, and the settings file keeps them whichever tape is in use. The
// tapes come back with their names, the last one used in use; a renamed tape
// is asked for its name with the old one proposed.
TEST_F(TabsTest, NamesAndOptionsComeBackAtTheNextStart) {
    Type("1,234+");
    Key(Qt::Key_N, kCtrlShift);
    Type("2+");
    Choose("Menu3Decimals");
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->textValue(), "Cinta 2");
        dialog->setTextValue(QStringLiteral("  Client Puig\t"));
        dialog->accept();
    });
    Choose("MenuNomCinta");
    Key(Qt::Key_N, kCtrlShift);
    Key(Qt::Key_PageUp, kCtrl);

    Reopen();
    EXPECT_EQ(TabTexts(), (QStringList{"Cinta 1", "Client Puig", "Cinta 3"}));
    EXPECT_EQ(Tabs()->currentIndex(), 1);
    EXPECT_EQ(Tape(), "2 +");
    EXPECT_EQ(FileLines()[5], "3");
    Key(Qt::Key_PageUp, kCtrl);
    EXPECT_EQ(window->Engine().Options().decimals, 3);
}

// A listed tape that cannot be read (a folder in its file's place) is not
// opened: the start says so once, the tape before it is used, and what is
// there is left as it is.
TEST_F(TabsTest, ATapeThatCannotBeReadIsLeftAsItIs) {
    Close();
    const QString folder = QString::fromStdString(TTapeSet::DefaultFolder());
    ASSERT_TRUE(QDir().mkpath(folder + "/oberta-2.txt"));
    ::WriteBytes(folder.toStdString() + "/" + kTapeListFileName,
                 "1\r\n\tCinta 1\r\noberta-2.txt\tB\r\n");
    Open();
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].text.find("oberta-2.txt"), std::string::npos)
        << boxes.requests[0].text;
    EXPECT_EQ(Tapes().Count(), 1);
    Type("5+");
    Close();
    EXPECT_TRUE(QFileInfo(folder + "/oberta-2.txt").isDir());
    QDir(folder + "/oberta-2.txt").removeRecursively();
}

// The second tape's journal on a full disk: the bar says so while typing,
// goes once there is room, and nothing typed is lost.
TEST_F(TabsTest, ASecondTapeOnAFullDiskIsToldAndKept) {
    SmallFileSystem disk{64 * 1024};
    if (!disk.Mounted()) GTEST_SKIP() << disk.Refusal();
    Close();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(disk.Path("data")));
    Open();
    Key(Qt::Key_N, kCtrlShift);
    disk.Fill();
    auto* bar = Find<QLabel>("AvisDesar");
    for (int key = 0; key < 150 && !bar->isVisible(); ++key)
        Type("1+");
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->text().contains(QStringLiteral("No queda espai al disc")));
    disk.MakeRoom();
    Type("2+");
    QTest::qWait(700);  // the retry
    EXPECT_FALSE(bar->isVisible());
    const std::string typed = Tape();
    Reopen();
    EXPECT_EQ(Tabs()->currentIndex(), 1);
    EXPECT_EQ(Tape(), typed);
    Close();
    qputenv("XDG_DATA_HOME", TestDataHome());
}

}  // namespace
