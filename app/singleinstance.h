#pragma once

// One running program per settings file. Two copies on the same file would
// each write their own tape at exit, and the one closing last would wipe the
// other's rows; so a second start hands over to the running program, which
// brings its window to the front, and ends without showing a window.
//
// The running program locks a lock file next to the settings file for its
// whole life (TInstanceLock) and listens on a local socket in the user's
// runtime folder, named after the settings file's path. A start that cannot
// take the lock connects to that socket and asks for the window, passing on
// the desktop's activation token of its start (TActivationToken), with
// which the running program's window may take the focus. A program
// that crashed leaves no lock (the system drops it with the process) and a
// socket file that whoever holds the lock next removes.
// Nothing leaves the user's own folders, and no network is used.

#include <QObject>
#include <QString>
#include <chrono>
#include <string>

#include "app/instancelock.h"
#include "app/localsocket.h"
#include "basic/activationtoken.h"

class TSingleInstance : public QObject {
    Q_OBJECT

public:
    enum class TStart {
        First,       // this program runs; the lock is held until it ends
        HandedOver,  // the running program was asked for its window
        NoAnswer,    // a running program holds the lock but takes no request
    };

    // The lock file and the socket that belong to a settings file.
    explicit TSingleInstance(const std::string& settingsFile);
    TSingleInstance(const QString& lockFile, const QString& serverName);

    // Takes the lock, or hands over to the program that holds it, with this
    // start's activation token. While the holder is still starting or
    // already ending (lock held, no socket), it tries again until `patience`
    // has run out; a holder that ends meanwhile leaves the lock to this start.
    TStart Start(const TActivationToken& activation = {},
                 std::chrono::milliseconds patience = std::chrono::seconds(10));

    // No more hand-overs: the socket closes while the lock stays held, so a
    // start made while the program ends waits for the lock and then runs.
    void StopListening();

    // The socket path that belongs to a settings file.
    static QString ServerNameFor(const std::string& settingsFile);

signals:
    // Another start asked for the window, with the token of its start (empty
    // when it had none, or an earlier version asked).
    void ActivationRequested(const TActivationToken& activation);

private:
    bool HandOver(const TActivationToken& activation) const;
    void Listen();

    TInstanceLock lock_;
    QString serverName_;
    TLocalServer server_;
};
