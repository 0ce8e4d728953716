#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include "controls/platform/keyboard.h"
#include "controls/platform/parentform.h"

namespace {

// Records what reaches it.
class KeyRecorder : public QWidget {
public:
    std::vector<std::string> texts;
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Shift) return;
        texts.push_back(KeyText(*event));
        keys.push_back(event->key());
    }
};

TEST(KeyText, GivesTheCharacterOfTheKeyUnderItsModifiers) {
    KeyRecorder widget;
    // Key events carry the text the platform made of them; QTest makes the
    // text from the character given.
    QTest::keyClick(&widget, 'a');
    QTest::keyClick(&widget, 'A', Qt::ShiftModifier);
    QTest::keyClick(&widget, Qt::Key_Left);
    QTest::keyClick(&widget, Qt::Key_F5);
    EXPECT_EQ(widget.texts, (std::vector<std::string>{"a", "A", "", ""}));
}

TEST(DiscardKeyboardMessages, DropsPostedKeyEventsButNotLaterOnes) {
    KeyRecorder widget;
    QCoreApplication::postEvent(&widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_1, {}, "1"));
    DiscardKeyboardMessages();
    QCoreApplication::postEvent(&widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, {}, "\t"));
    QCoreApplication::processEvents();
    EXPECT_EQ(widget.keys, (std::vector<int>{Qt::Key_Tab}));
}

TEST(DiscardKeyboardMessages, SwallowsTheWindowSystemsKeysUntilTheQueueWasDrainedOnce) {
    KeyRecorder widget;
    DiscardKeyboardMessages();
    QTest::keyClick(&widget, Qt::Key_2);  // delivered as from the window system: already waiting
    QCoreApplication::processEvents();
    QTest::keyClick(&widget, Qt::Key_3);
    EXPECT_EQ(widget.keys, (std::vector<int>{Qt::Key_3}));
}

TEST(DiscardKeyboardMessages, ForOneWindowLeavesTheOthersAlone) {
    KeyRecorder first;
    KeyRecorder second;
    QCoreApplication::postEvent(&first, new QKeyEvent(QEvent::KeyPress, Qt::Key_1, {}, "1"));
    QCoreApplication::postEvent(&second, new QKeyEvent(QEvent::KeyPress, Qt::Key_2, {}, "2"));
    DiscardKeyboardMessages(&first);
    QTest::keyClick(&second, Qt::Key_3);
    QCoreApplication::processEvents();
    EXPECT_TRUE(first.keys.empty());
    EXPECT_EQ(second.keys, (std::vector<int>{Qt::Key_3, Qt::Key_2}));
}

TEST(ParentForm, FollowsTheParentsUpToTheWindow) {
    QWidget form;
    auto* panel = new QWidget(&form);
    auto* key = new QWidget(panel);
    EXPECT_EQ(ParentForm(key), &form);
    EXPECT_EQ(ParentForm(panel), &form);
    EXPECT_EQ(ParentForm(&form), nullptr) << "the search starts at the owner";
    EXPECT_EQ(ParentForm(nullptr), nullptr);
    QObject loose;
    EXPECT_EQ(ParentForm(&loose), nullptr);
}

}  // namespace
