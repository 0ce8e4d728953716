#include "app/localsocket.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of a socket file; nothing when the path does not fit.
std::optional<sockaddr_un> AddressOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path) return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return address;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Waits until the socket can take bytes, at most until the deadline.
bool WaitWritable(int socket, const QDeadlineTimer& deadline) {
    pollfd entry{socket, POLLOUT, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (ready > 0) return (entry.revents & POLLOUT) != 0;
        if (ready == 0 || errno != EINTR) return false;
    }
}

bool Connect(int socket, const sockaddr_un& address, const QDeadlineTimer& deadline) {
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return true;
    // A full queue of waiting peers (EAGAIN) counts as no answer this time.
    if (errno != EINPROGRESS || !WaitWritable(socket, deadline)) return false;
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

bool SendAll(int socket, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t now =
            ::send(socket, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (now > 0) {
            sent += now;
        } else if (now < 0 && errno == EINTR) {
            continue;
        } else if (now < 0 && errno == EAGAIN) {
            if (!WaitWritable(socket, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

// One connected peer: its bytes are read as they come until a line is
// complete, the limit is passed or the peer goes; then the connection closes.
class TPeer : public QObject {
public:
    using TTake = std::function<void(const QByteArray& line)>;

    TPeer(int socket, TTake take, QObject* parent)
        : QObject(parent),
          socket_(socket),
          take_(std::move(take)),
          notifier_(new QSocketNotifier(socket, QSocketNotifier::Read, this)) {
        connect(notifier_, &QSocketNotifier::activated, this, [this] { Read(); });
    }
    ~TPeer() override { CloseSocket(); }
    TPeer(const TPeer&) = delete;
    TPeer& operator=(const TPeer&) = delete;

private:
    void Read() {
        char chunk[256];
        for (;;) {
            const ssize_t got = ::recv(socket_, chunk, sizeof chunk, MSG_DONTWAIT);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0 && errno == EAGAIN) return;
            if (got <= 0) return Finish();  // the peer went, or the socket failed
            received_.append(chunk, got);
            const qsizetype end = received_.left(TLocalServer::kMostLineBytes).indexOf('\n');
            if (end >= 0) {
                const QByteArray line = received_.left(end + 1);
                Finish();
                take_(line);
                return;
            }
            if (received_.size() >= TLocalServer::kMostLineBytes) return Finish();
        }
    }

    void Finish() {
        notifier_->setEnabled(false);
        CloseSocket();
        deleteLater();
    }

    void CloseSocket() {
        if (socket_ >= 0) ::close(socket_);
        socket_ = -1;
    }

    int socket_;
    TTake take_;
    QSocketNotifier* notifier_;
    QByteArray received_;
};

}  // namespace

TLocalServer::TLocalServer(QObject* parent) : QObject(parent) {}

TLocalServer::~TLocalServer() {
    Close();
}

bool TLocalServer::Listen(const QString& path) {
    Close();
    const std::optional<sockaddr_un> address = AddressOf(path);
    if (!address) return false;
    const int socket = NewSocket();
    if (socket < 0) return false;
    // Nobody can connect before listen(): the file is made the owner's alone
    // first.
    const bool bound =
        ::bind(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    if (!bound || ::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 ||
        ::listen(socket, SOMAXCONN) != 0) {
        if (bound) ::unlink(address->sun_path);
        ::close(socket);
        return false;
    }
    listener_ = socket;
    path_ = path;
    notifier_ = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TLocalServer::Accept);
    return true;
}

void TLocalServer::Close() {
    if (listener_ < 0) return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(listener_);
    listener_ = -1;
    RemoveSocketFile(path_);
}

void TLocalServer::RemoveSocketFile(const QString& path) {
    if (const std::optional<sockaddr_un> address = AddressOf(path)) ::unlink(address->sun_path);
}

void TLocalServer::Accept() {
    for (;;) {
        const int peer = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return;  // none waiting, or no room for another descriptor now
        }
        new TPeer(peer, [this](const QByteArray& line) { emit LineReceived(line); }, this);
    }
}

bool SendToLocalServer(const QString& path, const QByteArray& bytes,
                       std::chrono::milliseconds timeout) {
    const std::optional<sockaddr_un> address = AddressOf(path);
    if (!address) return false;
    const int socket = NewSocket();
    if (socket < 0) return false;
    const QDeadlineTimer deadline(timeout);
    const bool sent = Connect(socket, *address, deadline) && SendAll(socket, bytes, deadline);
    ::close(socket);
    return sent;
}
