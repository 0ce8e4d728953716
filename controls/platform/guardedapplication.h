#pragma once

// The application object of the program. No exception may cross Qt's event
// loop: one that escapes an event handler stops the action it came from, its
// message is shown in an error box, and the program carries on.

#include <QApplication>

class TGuardedApplication : public QApplication {
    Q_OBJECT

public:
    TGuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
