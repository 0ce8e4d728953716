#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "controls/panel/panelex.h"

namespace {

// A shown, active window with an editable display and a second field to
// move the focus to; every event of the display is logged in order.
struct EditableDisplay : testing::Test {
    EditableDisplay() {
        form.resize(200, 100);
        display = new TPanelEx(&form);
        display->setObjectName(QStringLiteral("CNumero"));
        display->setGeometry(5, 5, 136, 26);
        display->SetEditable(true);
        display->SetAlignment(Qt::AlignRight);
        other = new QLineEdit(&form);
        other->setObjectName(QStringLiteral("Altre"));
        other->setGeometry(5, 50, 100, 20);
        display->OnClick = [this](TPanelEx* sender) {
            log.push_back(display->IsEditing() ? "click while editing" : "click");
            EXPECT_EQ(sender, display);
        };
        display->OnKeyDown = [this](QObject* sender, int& key, Qt::KeyboardModifiers) {
            log.push_back(sender == display->Editor() ? "keydown from editor" : "keydown");
            if (key == zeroKey) key = 0;
        };
        display->OnChanged = [this](TPanelEx*) { log.push_back("changed"); };
        display->OnEditorExit = [this](TPanelEx*) { log.push_back("editor exit"); };
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    ~EditableDisplay() override { QCoreApplication::processEvents(); }

    QLineEdit* Editor() { return form.findChild<QLineEdit*>(QStringLiteral("CNumeroEdit")); }

    QWidget form;
    TPanelEx* display = nullptr;
    QLineEdit* other = nullptr;
    std::vector<std::string> log;
    int zeroKey = -1;
};

TEST_F(EditableDisplay, ClickFiresOnClickThenOpensTheEditorOverTheWholePanel) {
    display->SetCaption("125");
    QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(log, std::vector<std::string>{"click"});
    QLineEdit* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->geometry(), display->rect());
    EXPECT_EQ(editor->text(), QStringLiteral("125"));
}

TEST_F(EditableDisplay, CaptionFollowsEveryKeystroke) {
    display->StartEditing();
    QTest::keyClick(Editor(), '7');
    EXPECT_EQ(display->Caption(), "7");
    QTest::keyClick(Editor(), ',');
    QTest::keyClick(Editor(), '5');
    EXPECT_EQ(display->Caption(), "7,5");
    EXPECT_DOUBLE_EQ(display->Value(), 7.5);
}

TEST_F(EditableDisplay, ReturnFiresOnKeyDownThenOnChanged) {
    display->StartEditing();
    QTest::keyPress(Editor(), Qt::Key_Return);
    EXPECT_EQ(log, (std::vector<std::string>{"keydown from editor", "changed"}));
    EXPECT_TRUE(display->IsEditing()) << "Return alone does not close the editor";
}

TEST_F(EditableDisplay, KeyDownHandlerThatConsumesReturnSuppressesOnChanged) {
    zeroKey = Qt::Key_Return;
    display->StartEditing();
    QTest::keyPress(Editor(), Qt::Key_Return);
    EXPECT_EQ(log, std::vector<std::string>{"keydown from editor"});
}

TEST_F(EditableDisplay, ReleasingReturnOrTabAnnouncesAChangeAgain) {
    display->StartEditing();
    QTest::keyRelease(Editor(), Qt::Key_Return);
    EXPECT_EQ(log, std::vector<std::string>{"changed"});
}

TEST_F(EditableDisplay, LeavingTheEditorHidesItThenFiresOnEditorExitAndOnChanged) {
    display->StartEditing();
    QTest::keyClick(Editor(), '3');
    log.clear();
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_FALSE(display->IsEditing());
    EXPECT_EQ(log, (std::vector<std::string>{"editor exit", "changed"}));
    EXPECT_EQ(display->Caption(), "3");
}

TEST_F(EditableDisplay, TabAnnouncesTheChangeBeforeTheFocusMoves) {
    display->StartEditing();
    QTest::keyPress(Editor(), Qt::Key_Tab);  // the release goes to the next field
    EXPECT_EQ(log, (std::vector<std::string>{"keydown from editor", "changed", "editor exit",
                                             "changed"}));
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(EditableDisplay, DateFormEditsBehindAMaskAndStoresEightDigits) {
    display->SetTipusFormateig(TDisplayFormat::Date);
    display->SetCaption("20240315");
    display->StartEditing();
    EXPECT_EQ(Editor()->text(), QStringLiteral("15/03/2024"));
    Editor()->selectAll();
    QTest::keyClicks(Editor(), QStringLiteral("01012025"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("01/01/2025"));
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_EQ(display->Caption(), "20250101");
    EXPECT_EQ(display->DisplayText(), "01/01/2025");
}

TEST_F(EditableDisplay, EditingStartsAgainFromTheCurrentCaption) {
    display->StartEditing();
    QTest::mouseClick(other, Qt::LeftButton);
    display->SetValue(0.25);
    EXPECT_EQ(display->Caption(), "0.25");
    display->StartEditing();
    EXPECT_EQ(Editor()->text(), QStringLiteral("0.25"));
}

TEST_F(EditableDisplay, FocusArrivingByTabOpensTheEditor) {
    display->SetTabStop(true);
    QWidget::setTabOrder(other, display);
    bool entered = false;
    display->OnEnter = [&](TPanelEx*) { entered = true; };
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Tab);
    EXPECT_TRUE(entered);
    ASSERT_TRUE(display->IsEditing());
    EXPECT_TRUE(Editor()->hasFocus());
}

TEST_F(EditableDisplay, PanelThatIsNoLongerEditableHidesItsEditor) {
    display->StartEditing();
    display->SetEditable(false);
    EXPECT_FALSE(display->IsEditing());
    QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(display->IsEditing()) << "a click no longer opens it";
}

TEST_F(EditableDisplay, BodyClickOnADownArrowPanelTakesTheFocusFromTheFieldInEdit) {
    auto* list = new TPanelEx(&form);
    list->setGeometry(5, 75, 80, 20);
    list->SetTipusApendix(taAbaix);
    list->show();
    display->StartEditing();
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(display->IsEditing());
    EXPECT_EQ(log, (std::vector<std::string>{"editor exit", "changed"}));
}

TEST(TPanelEx, NeverEditedPanelMadeReadOnlyGetsAHiddenEditor) {
    TPanelEx panel;
    panel.setObjectName(QStringLiteral("Quota1"));
    panel.SetEditable(false);
    auto* editor = panel.findChild<QLineEdit*>(QStringLiteral("Quota1Edit"));
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isVisible());
}

TEST(TPanelEx, ValueReadsEitherDecimalSeparatorAndWritesTheStoredForm) {
    TPanelEx panel;
    panel.SetCaption("1234.5");
    EXPECT_DOUBLE_EQ(panel.Value(), 1234.5);
    panel.SetCaption("1234,5");
    EXPECT_DOUBLE_EQ(panel.Value(), 1234.5);
    EXPECT_EQ(panel.IntValue(), 1234);
    panel.SetValue(1.0 / 3.0);
    EXPECT_EQ(panel.Caption(), "0.33333");
}

}  // namespace
