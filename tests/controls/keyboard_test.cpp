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

void Post(QWidget& widget, QEvent::Type type, int key, bool repeat, quint64 time) {
    auto* event = new QKeyEvent(type, key, {}, QString(), repeat);
    event->setTimestamp(time);
    QCoreApplication::postEvent(&widget, event);
}

// A consumed key loses nothing typed after it: other keys, the same key
// again, even at the same millisecond and called a repeat, and the keys the
// window system delivers meanwhile, all arrive in order.
TEST(DiscardKeyboardMessages, KeysTypedAheadAllArriveInOrder) {
    KeyRecorder widget;
    Post(widget, QEvent::KeyPress, Qt::Key_1, false, 10);
    Post(widget, QEvent::KeyRelease, Qt::Key_Return, true, 20);
    Post(widget, QEvent::KeyPress, Qt::Key_Return, true, 20);
    Post(widget, QEvent::KeyPress, Qt::Key_2, false, 30);
    DiscardKeyboardMessages();
    QTest::keyClick(&widget, Qt::Key_3);
    QCoreApplication::processEvents();
    EXPECT_EQ(widget.keys, (std::vector<int>{Qt::Key_3, Qt::Key_1, Qt::Key_Return, Qt::Key_2}));
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
