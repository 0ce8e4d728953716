#pragma once

// A TDataCalendari as assistive technology sees it: a combo box (a field with
// a drop-down calendar) named by its accessibleName or else by the group it
// sits in ("Data"), whose value is the date as typed. The editor laid over it,
// where the date is typed, is its child and carries the same name.

#include <QAccessibleWidget>

#include "controls/datefield/datacalendari.h"

class TDateFieldAccessible : public QAccessibleWidget {
public:
    explicit TDateFieldAccessible(TDataCalendari* field);

    QString text(QAccessible::Text t) const override;

private:
    TDataCalendari* Field() const;
};
