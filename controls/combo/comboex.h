#pragma once

// TComboEx: a combo box driven by the text of an item as well as by its
// index, matching with or without regard to letter case, and trimming blanks.

#include <QComboBox>
#include <string>

class TComboEx : public QComboBox {
    Q_OBJECT

public:
    explicit TComboEx(QWidget* parent = nullptr);

    // The current item's text (trimmed when Sn_Trim), empty without one.
    std::string Item() const;
    // Makes the first item equal to text current (none when no item is) and
    // keeps text, so that it is matched again if the items come later.
    void SetItem(const std::string& text);

    // The current index. With none and a text kept from SetItem, the text is
    // matched once more first (and forgotten when it still finds nothing).
    int ItemIndex();
    void SetItemIndex(int index) { setCurrentIndex(index); }

    // Trim blanks from texts given to and read from Item.
    bool Sn_Trim() const { return trim_; }
    void SetSn_Trim(bool trim) { trim_ = trim; }
    // Match item texts exactly; otherwise their upper-case forms are compared.
    bool Sn_MajusculesExacte() const { return exactCase_; }
    void SetSn_MajusculesExacte(bool exact) { exactCase_ = exact; }

    bool Focused() const { return focused_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString MatchKey(const std::string& text) const;

    bool trim_ = true;
    bool exactCase_ = false;
    std::string pendingItem_;
    bool focused_ = false;
};
