#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "interest/focusareas.h"

namespace {

// Two areas, each a box holding an editor, and a loose editor in no area.
struct FocusForm : testing::Test {
    FocusForm() : areas(&form) {
        form.resize(300, 100);
        for (int i = 0; i < 2; ++i) {
            boxes[i] = new QWidget(&form);
            boxes[i]->setGeometry(10 + 100 * i, 10, 90, 30);
            boxes[i]->setFocusPolicy(Qt::TabFocus);
            editors[i] = new QLineEdit(boxes[i]);
            const std::string name = "area" + std::to_string(i + 1);
            areas.Add(
                boxes[i], [this, name] { log.push_back("enter " + name); },
                [this, name] { log.push_back("exit " + name); });
        }
        loose = new QLineEdit(&form);
        loose->setGeometry(10, 60, 90, 20);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        loose->setFocus();  // the tests start outside both areas
        log.clear();
    }

    QWidget form;
    TFocusAreas areas;
    QWidget* boxes[2] = {};
    QLineEdit* editors[2] = {};
    QLineEdit* loose = nullptr;
    std::vector<std::string> log;
};

TEST_F(FocusForm, AControlAndTheControlsInsideItAreOneArea) {
    boxes[0]->setFocus();
    editors[0]->setFocus();
    boxes[0]->setFocus();
    EXPECT_EQ(log, std::vector<std::string>{"enter area1"});
    EXPECT_EQ(areas.Current(), boxes[0]);
    EXPECT_EQ(areas.AreaOf(editors[0]), boxes[0]);
    EXPECT_EQ(areas.AreaOf(loose), nullptr);
}

TEST_F(FocusForm, LeavingForAnotherAreaOrForNoneExitsFirst) {
    editors[0]->setFocus();
    editors[1]->setFocus();
    loose->setFocus();
    EXPECT_EQ(log,
              (std::vector<std::string>{"enter area1", "exit area1", "enter area2", "exit area2"}));
    EXPECT_EQ(areas.Current(), nullptr);
}

TEST_F(FocusForm, AnEarlyNoticeIsNotRepeatedWhenTheFocusArrives) {
    areas.Entering(boxes[1]);
    editors[1]->setFocus();
    EXPECT_EQ(log, std::vector<std::string>{"enter area2"});
}

TEST_F(FocusForm, AnotherWindowTakingTheFocusIsNoMove) {
    editors[0]->setFocus();
    QWidget other;
    auto* field = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    field->setFocus();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(log, std::vector<std::string>{"enter area1"});
    EXPECT_EQ(areas.Current(), boxes[0]);
}

}  // namespace
