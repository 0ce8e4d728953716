// The main window's layout at its smallest size (the size it always had,
// every control in its place) and larger (the tape grows; the keys and tool
// buttons keep their distances to the right and bottom edges), and the size
// kept in the settings file.

#include <QDate>
#include <QScreen>
#include <QTest>

#include "controls/grid/gridex.h"
#include "tests/calculator/calculadorafixture.h"

namespace {

struct Place {
    const char* name;
    QRect rect;  // in the window
};

// Every named control at the smallest size.
const Place kPlaces[] = {
    {"BotoCopiarPaper", {55, 322, 24, 24}},  {"BotoCopiarResultat", {5, 322, 24, 24}},
    {"BotoCopiarValors", {30, 322, 24, 24}}, {"BotoEnganxar", {80, 322, 24, 24}},
    {"BotoEnganxarMes", {105, 322, 24, 24}}, {"BotoEsborrarLinia", {55, 297, 24, 24}},
    {"BotoEuros", {141, 296, 24, 24}},       {"BotoInsertar", {30, 297, 24, 24}},
    {"BotoInteres", {177, 321, 126, 20}},    {"BotoLLigar", {80, 297, 24, 24}},
    {"BotoNetejar", {5, 297, 24, 24}},       {"BotoPropietats", {140, 322, 24, 24}},
    {"BotoPts", {116, 296, 24, 24}},         {"BotoSortir", {140, 7, 24, 24}},
    {"CNumero", {172, 5, 136, 26}},          {"CTipusMarge", {177, 234, 126, 22}},
    {"PanelBotons", {0, 295, 167, 55}},      {"PanelCalculadora", {0, 0, 312, 350}},
    {"PanelEspecial", {172, 175, 136, 141}}, {"PanelEx1", {172, 318, 136, 27}},
    {"PanelNumeros", {172, 35, 136, 136}},   {"PanelPaper", {0, 0, 167, 350}},
    {"PanelTeclat", {167, 0, 145, 350}},     {"Paper", {0, 41, 167, 254}},
    {"Tecla0", {177, 140, 26, 26}},          {"Tecla1", {177, 115, 26, 26}},
    {"Tecla2", {202, 115, 26, 26}},          {"Tecla3", {227, 115, 26, 26}},
    {"Tecla4", {177, 90, 26, 26}},           {"Tecla5", {202, 90, 26, 26}},
    {"Tecla6", {227, 90, 26, 26}},           {"Tecla7", {177, 65, 26, 26}},
    {"Tecla8", {202, 65, 26, 26}},           {"Tecla9", {227, 65, 26, 26}},
    {"TeclaBorrar", {177, 40, 51, 26}},      {"TeclaDarrera", {227, 40, 76, 26}},
    {"TeclaDividir", {252, 65, 26, 26}},     {"TeclaIgual", {277, 115, 26, 26}},
    {"TeclaIntro", {277, 140, 26, 26}},      {"TeclaMenys", {252, 115, 26, 26}},
    {"TeclaMenysIva", {177, 205, 62, 22}},   {"TeclaMenysMarge", {241, 287, 62, 22}},
    {"TeclaMes", {252, 140, 26, 26}},        {"TeclaMesIva", {241, 180, 62, 22}},
    {"TeclaMesMarge", {241, 262, 62, 22}},   {"TeclaMultiplicar", {252, 90, 26, 26}},
    {"TeclaPerIva", {241, 205, 62, 22}},     {"TeclaPercent", {277, 65, 26, 51}},
    {"TeclaPunt", {202, 140, 26, 26}},       {"TeclaQuinIva", {177, 180, 62, 22}},
    {"TeclaQuinMarge", {177, 262, 62, 47}},  {"TeclaSigne", {227, 140, 26, 26}},
    {"cSubtotal", {5, 6, 116, 25}},
};

QRect PlaceInWindow(const QWidget* control) {
    return QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size());
}

class LayoutTest : public CalculadoraWindow {
protected:
    void ResizeTo(QSize size) {
        window->resize(size);
        QCoreApplication::processEvents();
        ASSERT_EQ(window->size(), size);
    }
};

TEST_F(LayoutTest, TheSmallestWindowIsTheWindowAsItWas) {
    EXPECT_EQ(window->size(), QSize(312, 350));
    EXPECT_EQ(window->minimumSize(), QSize(312, 350));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    for (const Place& place : kPlaces)
        EXPECT_EQ(PlaceInWindow(Find(place.name)), place.rect) << place.name;
    // The operator column reaches the scroll bar; no comment column fits.
    EXPECT_EQ(window->Paper().ColWidths(1), 118);
    EXPECT_EQ(window->Paper().ColWidths(2), 33);
    EXPECT_EQ(window->Paper().ColWidths(4), -1);
    window->resize(200, 200);
    EXPECT_EQ(window->size(), QSize(312, 350));
}

// Larger, the keys keep their distances to the right and bottom edges, the
// exit key to the top and right ones, and the tape takes the rest, the
// comment column its width.
TEST_F(LayoutTest, ALargerWindowGivesTheRoomToTheTape) {
    ResizeTo({800, 600});
    const QPoint shift(800 - 312, 600 - 350);
    for (const char* name : {"CNumero", "Tecla7", "TeclaIgual", "TeclaMesIva", "CTipusMarge",
                             "BotoInteres", "BotoNetejar", "BotoPropietats", "BotoEuros"}) {
        const QRect was = std::find_if(std::begin(kPlaces), std::end(kPlaces), [&](const Place& p) {
                              return std::string(p.name) == name;
                          })->rect;
        EXPECT_EQ(PlaceInWindow(Find(name)), was.translated(shift)) << name;
    }
    EXPECT_EQ(PlaceInWindow(Find("BotoSortir")), QRect(140 + shift.x(), 7, 24, 24));
    EXPECT_EQ(PlaceInWindow(Find("cSubtotal")), QRect(5, 6, 116, 25));
    const TGridEx& paper = window->Paper();
    EXPECT_EQ(PlaceInWindow(&paper), QRect(0, 41, 800 - 145, 600 - 41 - 55));
    EXPECT_EQ(paper.ColWidths(1), 118);
    EXPECT_EQ(paper.ColWidths(2), 25);
    EXPECT_EQ(paper.ColWidths(4), 655 - 2 * paper.frameWidth() - 14 - 118 - 25);
    ResizeTo({312, 350});
    for (const Place& place : kPlaces)
        EXPECT_EQ(PlaceInWindow(Find(place.name)), place.rect) << place.name;
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
    ResizeTo({312, 350});
    Close();
    EXPECT_EQ(FileLines().size(), 11u);

    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    for (const char* stored : {"finestra=99999x99999", "finestra=10x10", "finestra=abc"}) {
        std::string file;
        for (int line = 1; line <= 11; ++line)
            file += "\r\n";
        WriteFile(file + stored + "\r\n");
        Open();
        EXPECT_LE(window->width(), std::max(screen.width(), 312)) << stored;
        EXPECT_GE(window->width(), 312) << stored;
        EXPECT_GE(window->height(), 350) << stored;
        Close();
    }
}

}  // namespace
