// The main window's layout at its smallest size (every control whole, the
// keypad an adding machine's, the memory keys over it on its pitch) and
// larger (the tape grows; the keys and tool buttons keep their distances to
// the right and bottom edges), and the size kept in the settings file.

#include <QDate>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <map>
#include <vector>

#include "controls/grid/gridex.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

QRect PlaceInWindow(const QWidget* control) {
    return QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size());
}

// The smallest window.
const QSize kSmallest(312, 376);

// An indicator lies over the display it belongs to.
bool IndicatorOver(const QWidget* indicator, const QWidget* display) {
    return indicator->objectName().startsWith(QStringLiteral("Indicador")) &&
           display->geometry().contains(indicator->geometry());
}

// The controls a user sees and uses, each whole within its panel.
std::vector<QWidget*> VisibleControls(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isVisible() && !control->objectName().isEmpty() && control->parentWidget())
            controls.push_back(control);
    }
    return controls;
}

class LayoutTest : public CalculadoraWindow {
protected:
    void ResizeTo(QSize size) {
        window->resize(size);
        QCoreApplication::processEvents();
        ASSERT_EQ(window->size(), size);
    }

    // Every control shows whole inside its parent, and no two controls of a
    // panel cover each other (keys side by side share their one-pixel edge),
    // but for an indicator inside its display.
    void ExpectEveryControlWhole() {
        for (QWidget* control : VisibleControls(window)) {
            const QRect parent = control->parentWidget()->rect();
            EXPECT_TRUE(parent.contains(control->geometry()))
                << control->objectName().toStdString() << " is cut by its panel";
            for (QWidget* other : VisibleControls(window)) {
                if (other == control || other->parentWidget() != control->parentWidget()) continue;
                if (IndicatorOver(control, other) || IndicatorOver(other, control)) continue;
                const auto inner = [](const QWidget* w) {
                    return w->geometry().adjusted(0, 0, -1, -1);
                };
                EXPECT_FALSE(inner(control).intersects(inner(other)))
                    << control->objectName().toStdString() << " covers "
                    << other->objectName().toStdString();
            }
        }
    }

    // The keypad is an adding machine's: 7 8 9 on top of 4 5 6 on top of
    // 1 2 3, 0 at the bottom left, on a 25-pixel pitch of 26-pixel keys.
    void ExpectTheKeypadOfAnAddingMachine() {
        const auto at = [this](char digit) {
            return PlaceInWindow(Find(("Tecla" + std::string(1, digit)).c_str()));
        };
        for (const char* row : {"789", "456", "123"}) {
            EXPECT_EQ(at(row[1]).left(), at(row[0]).left() + 25) << row;
            EXPECT_EQ(at(row[2]).left(), at(row[1]).left() + 25) << row;
            EXPECT_EQ(at(row[0]).size(), QSize(26, 26)) << row;
        }
        EXPECT_EQ(at('4').top(), at('7').top() + 25);
        EXPECT_EQ(at('1').top(), at('4').top() + 25);
        EXPECT_EQ(at('0').top(), at('1').top() + 25);
        EXPECT_EQ(at('0').left(), at('1').left());
        // The memory keys and the grand total over the display, on the same
        // columns as the keypad's.
        const char* const band[] = {"TeclaMesMemoria", "TeclaMenysMemoria", "TeclaRecuperarMemoria",
                                    "TeclaBorrarMemoria", "TeclaGranTotal"};
        for (int column = 0; column < 5; ++column) {
            const QRect key = PlaceInWindow(Find(band[column]));
            EXPECT_EQ(key.left(), at('7').left() + 25 * column) << band[column];
            EXPECT_LT(key.bottom(), PlaceInWindow(Find("CNumero")).top()) << band[column];
        }
    }

    // The value and operator columns reach the scroll bar: no white strip.
    void ExpectTheColumnsFillTheTape() {
        const TGridEx& paper = window->Paper();
        int width = 0;
        for (int col = 0; col < paper.ColCount(); ++col)
            width += std::max(paper.ColWidths(col), 0);
        EXPECT_EQ(width, paper.viewport()->width());
    }
};

TEST_F(LayoutTest, TheSmallestWindowShowsEveryControlWhole) {
    EXPECT_EQ(window->size(), kSmallest);
    EXPECT_EQ(window->minimumSize(), kSmallest);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    // The memory, the fixed-decimal entry and a count, so that every
    // indicator shows.
    Type("5");
    Key(Qt::Key_F4);
    Key(Qt::Key_F9);
    Type("1+");
    ExpectEveryControlWhole();
    ExpectTheKeypadOfAnAddingMachine();
    ExpectTheColumnsFillTheTape();
    // The tape lies under the subtotal and above the tool buttons.
    EXPECT_LT(PlaceInWindow(Find("cSubtotal")).bottom(), PlaceInWindow(Find("Paper")).top());
    EXPECT_EQ(PlaceInWindow(Find("Paper")).bottom() + 1, PlaceInWindow(Find("PanelBotons")).top());
    window->resize(200, 200);
    EXPECT_EQ(window->size(), kSmallest);
}

// Larger, the keys keep their distances to the right and bottom edges, the
// exit key to the top and right ones, and the tape takes the rest, the
// comment column its width.
TEST_F(LayoutTest, ALargerWindowGivesTheRoomToTheTape) {
    std::map<std::string, QRect> small;
    for (QWidget* control : VisibleControls(window))
        small[control->objectName().toStdString()] = PlaceInWindow(control);
    ResizeTo({800, 600});
    const QPoint shift(800 - kSmallest.width(), 600 - kSmallest.height());
    for (const char* name :
         {"TeclaMesMemoria", "CNumero", "Tecla7", "TeclaIgual", "TeclaMesIva", "CTipusMarge",
          "BotoInteres", "BotoNetejar", "BotoPropietats", "BotoEuros"})
        EXPECT_EQ(PlaceInWindow(Find(name)), small[name].translated(shift)) << name;
    EXPECT_EQ(PlaceInWindow(Find("BotoSortir")), small["BotoSortir"].translated(shift.x(), 0));
    EXPECT_EQ(PlaceInWindow(Find("cSubtotal")), small["cSubtotal"]);
    const QRect tape = PlaceInWindow(&window->Paper());
    EXPECT_EQ(tape.topLeft(), small["Paper"].topLeft());
    EXPECT_EQ(tape.size(), small["Paper"].size() + QSize(shift.x(), shift.y()));
    EXPECT_GT(window->Paper().ColWidths(4), 400);  // the comment column
    ExpectEveryControlWhole();
    ExpectTheColumnsFillTheTape();
    ResizeTo(kSmallest);
    for (QWidget* control : VisibleControls(window))
        EXPECT_EQ(PlaceInWindow(control), small[control->objectName().toStdString()])
            << control->objectName().toStdString();
}

// A larger window keeps its size in the settings file and comes back at it,
// within the screen; the smallest window writes no size at all. (A file
// without a rate line, so that the size takes line 12.)
TEST_F(LayoutTest, TheSizeIsKeptAsAnExtensionLine) {
    ReopenWithOriginalRates();
    ResizeTo({480, 640});
    Close();
    EXPECT_EQ(FileLines().at(11), "finestra=480x640");
    Open();
    EXPECT_EQ(window->size(), QSize(480, 640));
    ResizeTo(kSmallest);
    Close();
    EXPECT_EQ(FileLines().size(), 11u);

    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    for (const char* stored : {"finestra=99999x99999", "finestra=10x10", "finestra=abc"}) {
        std::string file;
        for (int line = 1; line <= 11; ++line)
            file += "\r\n";
        WriteFile(file + stored + "\r\n");
        Open();
        EXPECT_LE(window->width(), std::max(screen.width(), kSmallest.width())) << stored;
        EXPECT_GE(window->width(), kSmallest.width()) << stored;
        EXPECT_GE(window->height(), kSmallest.height()) << stored;
        Close();
    }
}

}  // namespace
