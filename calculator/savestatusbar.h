#pragma once

// TSaveStatusBar: the bar above the tape that says, while the settings and
// the tape cannot be written, what could not be written and why ("No queda
// espai al disc"), and that the program goes on trying. It takes its room
// from the tape, which moves down under it, and gives it back once writing
// works again. One bar, not a box per key.

#include <QLabel>

class TSaveStatusBar : public QLabel {
    Q_OBJECT

public:
    // Over the top of `tape`, which must have the same parent.
    explicit TSaveStatusBar(QWidget* tape);

    // Empty: writing works; the bar goes and the tape takes its room back.
    void ShowFailure(const QString& failure);

private:
    QWidget* tape_;
};
