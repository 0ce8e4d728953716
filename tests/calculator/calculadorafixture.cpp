#include "tests/calculator/calculadorafixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "calculator/tapeset.h"
#include "controls/button/botopetit.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"

CalculadoraWindow::CalculadoraWindow() {
    // The settings file and what lies beside it (the journal of an earlier
    // test's last changes would otherwise be played onto this test's start).
    QDir(QFileInfo(QString::fromStdString(FileName())).absolutePath()).removeRecursively();
    // The tapes after the first, and their list, are an earlier test's too.
    QDir data(QString::fromStdString(TTapeSet::DefaultFolder()));
    for (const QString& file :
         data.entryList({QStringLiteral("oberta-*"), QString::fromLatin1(kTapeListFileName)}))
        data.remove(file);
    Open();
}

CalculadoraWindow::~CalculadoraWindow() {
    Close();
}

void CalculadoraWindow::Open() {
    window = new TCalculadora;
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    QCoreApplication::processEvents();
}

void CalculadoraWindow::Close() {
    delete window;
    window = nullptr;
    QCoreApplication::processEvents();
}

void CalculadoraWindow::ReopenWithOriginalRates() {
    Close();
    // Lines 1 to 11 as a first start writes them, and nothing after.
    WriteFile("0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n1\r\n0\r\n1\r\n0\r\n0\r\n");
    Open();
}

QWidget* CalculadoraWindow::Focus() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == window ? focus : window;
}

void CalculadoraWindow::Key(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(Focus(), static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
}

void CalculadoraWindow::Type(const std::string& text) {
    for (const char c : text) {
        QTest::keyClick(Focus(), c);
        QCoreApplication::processEvents();
    }
}

void CalculadoraWindow::Click(const char* name) {
    QWidget* control = Find(name);
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, 8));
    QCoreApplication::processEvents();
}

void CalculadoraWindow::Choose(const char* item) {
    auto* action = Find<QAction>(item);
    ASSERT_NE(action, nullptr);
    action->trigger();
    QCoreApplication::processEvents();
}

void CalculadoraWindow::ChooseMarginType(int type) {
    auto* combo = Find<QComboBox>("CTipusMarge");
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(type);
    emit combo->activated(type);
    QCoreApplication::processEvents();
}

std::string CalculadoraWindow::Tape() const {
    std::string tape;
    const TGridEx& paper = window->Paper();
    for (int32_t row = 0; row < paper.FilesUsades(); ++row) {
        if (row > 0) tape += " | ";
        std::string line = paper.TextFila(row);
        for (char& c : line)
            if (c == '\t') c = ' ';
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        tape += line;
    }
    return tape;
}

int32_t CalculadoraWindow::CurrentRow() const {
    return window->Paper().FilaActual();
}

std::string CalculadoraWindow::Entry() const {
    return window->Engine().EntryText();
}

std::string CalculadoraWindow::Subtotal() const {
    return window->findChild<TPanelEx*>(QStringLiteral("cSubtotal"))->Caption();
}

std::string CalculadoraWindow::FileName() {
    return TCalculadora::SettingsFileName(true);
}

std::string CalculadoraWindow::FileText() {
    QFile file(QString::fromStdString(FileName()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

std::vector<std::string> CalculadoraWindow::FileLines() {
    std::vector<std::string> lines;
    const std::string text = FileText();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void CalculadoraWindow::WriteFile(const std::string& content) {
    QFile file(QString::fromStdString(FileName()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content.data(), static_cast<qint64>(content.size()));
}
