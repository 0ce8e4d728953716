// Comments typed on the tape of the real window: F3 or a double click edits
// the current row's comment, Enter keeps it, Escape drops it, and the keys
// reach only the editor meanwhile; comments reach the settings file and come
// back.

#include <QLineEdit>
#include <QTest>

#include "calculator/tapeview.h"
#include "controls/grid/gridex.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

class CommentsTest : public CalculadoraWindow {
protected:
    void SetUp() override {
        window->resize(520, 400);  // room for the comment column
        QCoreApplication::processEvents();
    }
    // The comment editor while it is open.
    QLineEdit* Editor() const {
        auto* editor = window->findChild<QLineEdit*>("EditorComentari");
        return editor != nullptr && editor->isVisible() ? editor : nullptr;
    }
    std::string Comment(int32_t row) const {
        return std::string(window->Engine().Tape().Row(row).Comment());
    }
};

TEST_F(CommentsTest, F3EditsTheCurrentRowsComment) {
    Type("1200+35=");
    window->Engine().SelectRow(0);
    Key(Qt::Key_F3);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Focus(), Editor());
    Type("Lloguer 12+5=x");  // calculator keys are letters of the comment now
    Key(Qt::Key_Return);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Comment(0), "Lloguer 12+5=x");
    EXPECT_EQ(Tape(), "1200 +  Lloguer 12+5=x | 35 = | 1235");
    EXPECT_EQ(Focus(), &window->Paper());

    Key(Qt::Key_F3);
    Type("res");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Comment(0), "Lloguer 12+5=x");
    EXPECT_TRUE(window->isVisible());  // Escape left the editor, not the window

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Comment(0), "");
    Close();
    EXPECT_EQ(FileLines().at(20), "1200\t+");
}

TEST_F(CommentsTest, APastedCommentIsOneLineOfAtMost250Characters) {
    Type("7+");
    window->Engine().SelectRow(0);
    Key(Qt::Key_F3);
    ASSERT_NE(Editor(), nullptr);
    Editor()->insert(QStringLiteral("a\tb"));
    Editor()->insert(QString(300, QLatin1Char('x')));
    Key(Qt::Key_Enter);
    EXPECT_EQ(Comment(0).substr(0, 4), "a bx");
    EXPECT_EQ(Comment(0).size(), 250u);
}

TEST_F(CommentsTest, ADoubleClickOnACommentEditsIt) {
    Type("12+5+");
    TGridEx& paper = window->Paper();
    const QPoint at = paper.viewport()->mapFrom(&paper, paper.CellRect(4, 1).center());
    QTest::mouseDClick(paper.viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    ASSERT_NE(Editor(), nullptr);
    Type("Gas");
    Key(Qt::Key_Return);
    EXPECT_EQ(Comment(1), "Gas");
    EXPECT_EQ(Tape(), "12 + | 5 +  Gas");  // the last row was not ended
}

// Comments come back after a restart, links kept; an older file loads as it
// always did.
TEST_F(CommentsTest, CommentsReachTheFileAndComeBack) {
    Close();
    std::string file;
    for (int line = 1; line <= 20; ++line)
        file += line == 11 ? "3\r\n" : "\r\n";
    WriteFile(file + "1200\t+\t\tLloguer\r\n300\t=\t\t\r\n1500\t\t\r\n1200\t\t0\tDe nou\r\n");
    Open();
    EXPECT_EQ(Comment(0), "Lloguer");
    EXPECT_EQ(Comment(3), "De nou");
    EXPECT_EQ(window->Engine().Tape().Row(3).Link(), "0");
    Close();
    const std::vector<std::string> lines = FileLines();
    EXPECT_EQ(lines.at(20), "1200\t+\t\tLloguer");
    EXPECT_EQ(lines.at(21), "300\t=\t");
    EXPECT_EQ(lines.at(23), "1200\t\t0\tDe nou");
}

}  // namespace
