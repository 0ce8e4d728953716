#pragma once

// A local (Unix domain) stream socket: a server that takes one short line
// from each peer, and a client that sends one. Written on the system calls
// with QSocketNotifier rather than Qt Network, whose library (and the
// Kerberos, proxy and resolver libraries it brings) would be loaded at every
// start of the program for the sake of one line.
//
// The server's socket file is reachable by its owner only, and is removed
// when the server closes. A peer that sends a line longer than the limit, or
// nothing at all, holds up no one: every peer is read as its bytes arrive.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>

class QSocketNotifier;

class TLocalServer : public QObject {
    Q_OBJECT

public:
    // The longest line taken, its line end included; a peer that sends more
    // without a line end is cut off.
    static constexpr int kMostLineBytes = 640;

    explicit TLocalServer(QObject* parent = nullptr);
    ~TLocalServer() override;
    TLocalServer(const TLocalServer&) = delete;
    TLocalServer& operator=(const TLocalServer&) = delete;

    // Listens at the socket file `path`, which must not exist; false when it
    // cannot (the path is too long, the folder is missing or not writable).
    bool Listen(const QString& path);
    bool IsListening() const { return listener_ >= 0; }
    // Stops listening and removes the socket file; peers already connected
    // are still read.
    void Close();
    // Removes a socket file left by a server that no longer runs.
    static void RemoveSocketFile(const QString& path);

signals:
    // A peer sent a line (line end included) and was disconnected.
    void LineReceived(const QByteArray& line);

private:
    void Accept();

    int listener_ = -1;
    QString path_;
    QSocketNotifier* notifier_ = nullptr;
};

// Connects to the server at `path` and sends `bytes`; false when no server
// takes the connection, or the bytes, within `timeout`.
bool SendToLocalServer(const QString& path, const QByteArray& bytes,
                       std::chrono::milliseconds timeout);
