#include "tests/interest/interesfixture.h"

#include <QLineEdit>
#include <QTest>

#include "controls/datefield/datacalendari.h"

InteresWindow::InteresWindow() {
    window = new TInteres;
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    QCoreApplication::processEvents();
}

InteresWindow::~InteresWindow() {
    delete window;
    QCoreApplication::processEvents();
}

TPanelEx* InteresWindow::Field(const char* name) const {
    auto* field = window->findChild<TPanelEx*>(QString::fromLatin1(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
}

TGridEx* InteresWindow::Amort() const {
    return window->findChild<TGridEx*>(QStringLiteral("Amort"));
}

std::string InteresWindow::FocusName() const {
    return Focus() == nullptr ? std::string() : Focus()->objectName().toStdString();
}

void InteresWindow::Key(int key, Qt::KeyboardModifiers modifiers) {
    ASSERT_NE(Focus(), nullptr);
    QTest::keyClick(Focus(), static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
}

void InteresWindow::Type(const QString& text) {
    ASSERT_NE(qobject_cast<QLineEdit*>(Focus()), nullptr) << FocusName();
    QTest::keyClicks(Focus(), text);
    QCoreApplication::processEvents();
}

void InteresWindow::TypeAndTab(const QString& text) {
    Type(text);
    Key(Qt::Key_Tab);
}

void InteresWindow::Click(const char* field) {
    QTest::mouseClick(Field(field), Qt::LeftButton, {}, QPoint(10, 9));
    QCoreApplication::processEvents();
}

void InteresWindow::ClickRow(int32_t row) {
    const QPoint at = Amort()->CellRect(4, row).center() - Amort()->viewport()->pos();
    QTest::mouseClick(Amort()->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

void InteresWindow::DoubleClickRow(int32_t row) {
    const QPoint at = Amort()->CellRect(4, row).center() - Amort()->viewport()->pos();
    QTest::mouseClick(Amort()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Amort()->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

void InteresWindow::EnterStartDate(const QString& ddmmyyyy) {
    auto* date = window->findChild<TDataCalendari*>(QStringLiteral("Data"));
    QTest::mouseClick(date->Editor(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(FocusName(), "DataEdit");
    date->Editor()->setCursorPosition(0);
    QTest::keyClicks(Focus(), QString(ddmmyyyy).remove('/'));
    Key(Qt::Key_Tab);
}

void InteresWindow::EnterLoan1(const QString& capital, const QString& rate, const QString& months) {
    ASSERT_EQ(FocusName(), "Capital1Edit");
    TypeAndTab(capital);
    TypeAndTab(rate);
    Key(Qt::Key_Tab);  // the years stay empty
    TypeAndTab(months);
}

void InteresWindow::EnterLoan2Rate(const QString& rate) {
    ASSERT_EQ(FocusName(), "Capital2Edit");
    Key(Qt::Key_Tab);
    TypeAndTab(rate);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
}

std::string InteresWindow::Shown(const char* field) const {
    return Field(field)->DisplayText();
}

std::string InteresWindow::Row(int32_t row) const {
    std::string line;
    for (int32_t col = 1; col <= 8; ++col) {
        if (col > 1) line += '\t';
        line += Amort()->LlegirCella(row, col);
    }
    return line;
}
