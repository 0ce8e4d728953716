#include <gtest/gtest.h>

#include "controls/combo/comboex.h"

namespace {

struct MarginList : testing::Test {
    MarginList() {
        combo.setObjectName(QStringLiteral("CTipusMarge"));
        combo.addItems({QStringLiteral("Marge S/PVP"), QStringLiteral("Marge S/Cost"),
                        QStringLiteral("Descompte")});
    }
    TComboEx combo;
};

TEST_F(MarginList, MatchesTrimmedTextWithoutRegardToCase) {
    combo.SetItem(" marge s/cost ");
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Item(), "Marge S/Cost");
}

TEST_F(MarginList, ExactCaseMatchingFindsNothingInOtherCase) {
    combo.SetSn_MajusculesExacte(true);
    combo.SetItem("marge s/pvp");
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Item(), "");
    combo.SetItem("Marge S/PVP");
    EXPECT_EQ(combo.ItemIndex(), 0);
}

TEST_F(MarginList, EmptyTextClearsTheCurrentItem) {
    combo.SetItemIndex(2);
    combo.SetItem("");
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Item(), "");
}

TEST_F(MarginList, WithoutTrimmingBlanksMustMatchToo) {
    combo.SetSn_Trim(false);
    combo.SetItem(" Descompte");
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.addItem(QStringLiteral(" Descompte "));
    combo.SetItem(" descompte ");
    EXPECT_EQ(combo.ItemIndex(), 3);
    EXPECT_EQ(combo.Item(), " Descompte ");
}

TEST(TComboEx, TextGivenBeforeTheItemsIsMatchedWhenTheIndexIsRead) {
    TComboEx combo;
    combo.SetItem("Descompte");
    combo.addItems({QStringLiteral("Marge S/PVP"), QStringLiteral("Descompte")});
    EXPECT_EQ(combo.ItemIndex(), 1);
}

TEST(TComboEx, PendingTextThatStillFindsNothingIsForgotten) {
    TComboEx combo;
    combo.SetItem("Descompte");
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.addItem(QStringLiteral("Descompte"));
    EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST(TComboEx, EditableComboShowsTheTextEvenWithoutAMatch) {
    TComboEx combo;
    combo.setEditable(true);
    combo.addItem(QStringLiteral("Marge S/PVP"));
    combo.SetItem("  Altre ");
    EXPECT_EQ(combo.currentText(), QStringLiteral("Altre"));
}

}  // namespace
