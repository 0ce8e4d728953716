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

void Post(QWidget& widget, int key, bool repeat, const char* text = "") {
    QCoreApplication::postEvent(&widget,
                                new QKeyEvent(QEvent::KeyPress, key, {}, text, repeat));
}

// Only the consumed key's own waiting repeats go. Keys typed ahead arrive in
// order: other keys, the same key pressed again, and keys the window system
// delivers meanwhile.
TEST(DiscardKeyboardMessages, DropsOnlyTheWaitingRepeatsOfTheConsumedKey) {
    KeyRecorder widget;
    Post(widget, Qt::Key_Return, true);
    Post(widget, Qt::Key_1, false, "1");
    Post(widget, Qt::Key_Return, false);
    Post(widget, Qt::Key_2, true, "2");
    Post(widget, Qt::Key_Return, true);
    DiscardKeyboardMessages(Qt::Key_Return);
    QTest::keyClick(&widget, Qt::Key_3);
    QCoreApplication::processEvents();
    EXPECT_EQ(widget.keys,
              (std::vector<int>{Qt::Key_3, Qt::Key_1, Qt::Key_Return, Qt::Key_2}));

    widget.keys.clear();
    Post(widget, Qt::Key_Return, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(widget.keys, (std::vector<int>{Qt::Key_Return})) << "a later repeat arrives";
}

TEST(DiscardKeyboardMessages, ForOneWindowLeavesTheOthersAlone) {
    KeyRecorder first;
    KeyRecorder second;
    Post(first, Qt::Key_Escape, true);
    Post(second, Qt::Key_Escape, true);
    DiscardKeyboardMessages(Qt::Key_Escape, &first);
    QCoreApplication::processEvents();
    EXPECT_TRUE(first.keys.empty());
    EXPECT_EQ(second.keys, (std::vector<int>{Qt::Key_Escape}));
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
