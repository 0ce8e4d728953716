// The program's application object: an exception thrown by an event handler
// stops there, its message is shown, and the events after it are delivered.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QWidget>
#include <stdexcept>

#include "basic/platformerror.h"
#include "controls/platform/guardedapplication.h"
#include "tests/controls/messageboxspy.h"
#include "tests/support/testenvironment.h"

namespace {

// Throws what the key asks for: A a platform error, S a silent abort, X
// any other exception; counts every key it gets.
class ThrowingWidget : public QWidget {
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        ++keys;
        if (event->key() == Qt::Key_A) throw PlatformError("'.' is not a valid floating point value");
        if (event->key() == Qt::Key_S) throw SilentAbort();
        if (event->key() == Qt::Key_X) throw std::runtime_error("disc full");
    }
};

bool SendKey(QWidget& widget, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    return QApplication::sendEvent(&widget, &event);
}

TEST(GuardedApplicationTest, ExceptionsStopAtTheEventAndAreShown) {
    MessageBoxSpy boxes;
    ThrowingWidget widget;
    SendKey(widget, Qt::Key_A);
    SendKey(widget, Qt::Key_S);
    SendKey(widget, Qt::Key_X);
    SendKey(widget, Qt::Key_B);
    EXPECT_EQ(widget.keys, 4);
    ASSERT_EQ(boxes.requests.size(), 2u);
    EXPECT_EQ(boxes.requests[0].text, "'.' is not a valid floating point value");
    EXPECT_EQ(boxes.requests[0].caption, "Zentabo - Tarvik");
    EXPECT_EQ(boxes.requests[1].text, "disc full");
}

}  // namespace

int main(int argc, char** argv) {
    PrepareTestEnvironment();
    TGuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentabo - Tarvik"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
