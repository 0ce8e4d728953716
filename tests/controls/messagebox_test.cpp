#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <optional>

#include "controls/platform/messagebox.h"
#include "tests/support/tablecases.h"

namespace {

// Answers every box with a fixed button and remembers the last request.
class AnsweringHandler {
public:
    explicit AnsweringHandler(int answer)
        : previous_(SetMessageBoxHandler([this](const TMessageBoxRequest& request) {
              last = request;
              return answer_;
          })),
          answer_(answer) {}
    ~AnsweringHandler() { SetMessageBoxHandler(previous_); }

    std::optional<TMessageBoxRequest> last;

private:
    TMessageBoxHandler previous_;
    int answer_;
};

TEST(ShowMessageBox, BreaksLinesAtHash13AndReturnsTheHandlersAnswer) {
    AnsweringHandler handler(idRetry);
    EXPECT_EQ(ShowMessageBox(nullptr, "a#13b\r\nc\rd", "Títol", TMessageBoxKind::RetryCancel),
              idRetry);
    ASSERT_TRUE(handler.last);
    EXPECT_EQ(handler.last->text, "a\nb\nc\nd");
    EXPECT_EQ(handler.last->caption, "Títol");
}

TEST(ShowMessageBox, EmptyCaptionBecomesTheDefaultWarningTitle) {
    AnsweringHandler handler(idOk);
    ShowMessageBox(nullptr, "x");
    EXPECT_EQ(handler.last->caption, "Atencio !!!");
}

using K = TMessageBoxKind;

struct KindCase {
    const char* name;
    TMessageBoxKind kind;
    std::vector<TMessageBoxButton> buttons;
    friend std::ostream& operator<<(std::ostream& os, const KindCase& c) { return os << c.name; }
};

class MessageBoxKind : public testing::TestWithParam<KindCase> {};

TEST_P(MessageBoxKind, ChoosesItsButtons) {
    AnsweringHandler handler(idOk);
    ShowMessageBox(nullptr, "x", "", GetParam().kind);
    EXPECT_EQ(handler.last->buttons, GetParam().buttons);
}

INSTANTIATE_TEST_SUITE_P(
    ShowMessageBox, MessageBoxKind,
    testing::Values(KindCase{"Ok", K::Ok, {idOk}},
                    KindCase{"OkCancel", K::OkCancel, {idOk, idCancel}},
                    KindCase{"AbortRetryIgnore", K::AbortRetryIgnore, {idAbort, idRetry, idIgnore}},
                    KindCase{"YesNoCancel", K::YesNoCancel, {idYes, idNo, idCancel}},
                    KindCase{"YesNo", K::YesNo, {idYes, idNo}},
                    KindCase{"RetryCancel", K::RetryCancel, {idRetry, idCancel}},
                    KindCase{"UnknownKindIsOk", K(200), {idOk}}),
    CaseName<KindCase>);

TEST(SetMessageBoxHandler, ReturnsTheHandlerItReplaces) {
    const TMessageBoxHandler first = [](const TMessageBoxRequest&) { return 41; };
    const TMessageBoxHandler original = SetMessageBoxHandler(first);
    const TMessageBoxHandler replaced = SetMessageBoxHandler(original);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced(TMessageBoxRequest{}), 41);
}

// The real box: presses one of its buttons as soon as it is shown.
int AnswerQtBox(TMessageBoxKind kind, const QString& pressText, QStringList* texts,
                QMessageBox::Icon* icon, QString* shownText) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *icon = box->icon();
        *shownText = box->text();
        for (QAbstractButton* button : box->buttons())
            texts->append(button->text());
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == pressText) button->click();
        }
    });
    return ShowMessageBox(nullptr, "Primera#13Segona", "", kind);
}

TEST(ShowQtMessageBox, ShowsAWarningWithCatalanButtonsAndAnswersTheirIdentifiers) {
    QStringList texts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString shown;
    EXPECT_EQ(AnswerQtBox(K::YesNoCancel, QStringLiteral("No"), &texts, &icon, &shown), idNo);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(shown, QStringLiteral("Primera\nSegona"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Sí")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Cancel·la")));

    texts.clear();
    EXPECT_EQ(AnswerQtBox(K::AbortRetryIgnore, QStringLiteral("Ignora"), &texts, &icon, &shown),
              idIgnore);
    EXPECT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts.contains(QStringLiteral("Avorta")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Reintenta")));

    texts.clear();
    EXPECT_EQ(AnswerQtBox(K::Ok, QStringLiteral("D'acord"), &texts, &icon, &shown), idOk);
}

}  // namespace
