#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <QThread>
#include <optional>
#include <utility>

namespace {

// The one request a start sends: the window, please; then the start's
// tokens, each as " key=token": "activate startup-id=..._TIME123\n". An
// earlier version sends the word alone.
constexpr char kRequest[] = "activate";
constexpr char kStartupIdKey[] = "startup-id";
constexpr char kXdgActivationKey[] = "xdg-activation-token";
// A running program's socket answers a connection at once, even while the
// program is busy (the system queues it); this is only a bound.
constexpr std::chrono::milliseconds kConnectTime(250);
constexpr int kRetryPauseMs = 50;

QByteArray Request(const TActivationToken& activation) {
    QByteArray request = kRequest;
    for (const auto& [key, token] :
         {std::pair{kStartupIdKey, &activation.startupId},
          std::pair{kXdgActivationKey, &activation.xdgActivationToken}}) {
        if (TActivationToken::IsUsable(*token))
            request += ' ' + QByteArray(key) + '=' + QByteArray::fromStdString(*token);
    }
    return request + '\n';
}

// The tokens of a request; nothing for a line that is not one. Keys a later
// version may add are passed over.
std::optional<TActivationToken> ReadRequest(const QByteArray& line) {
    if (!line.endsWith('\n')) return std::nullopt;
    const QList<QByteArray> fields = line.chopped(1).split(' ');
    if (fields.constFirst() != kRequest) return std::nullopt;
    TActivationToken activation;
    for (qsizetype index = 1; index < fields.size(); ++index) {
        const qsizetype equals = fields[index].indexOf('=');
        const std::string token = fields[index].mid(equals + 1).toStdString();
        if (equals <= 0 || !TActivationToken::IsUsable(token)) return std::nullopt;
        const QByteArray key = fields[index].left(equals);
        if (key == kStartupIdKey) activation.startupId = token;
        if (key == kXdgActivationKey) activation.xdgActivationToken = token;
    }
    return activation;
}

}  // namespace

TSingleInstance::TSingleInstance(const std::string& settingsFile)
    : TSingleInstance(settingsFile.empty() ? QString()
                                           : QString::fromStdString(settingsFile) + ".lock",
                      ServerNameFor(settingsFile)) {}

TSingleInstance::TSingleInstance(const QString& lockFile, const QString& serverName)
    : lock_(lockFile), serverName_(serverName) {
    connect(&server_, &TLocalServer::LineReceived, this, [this](const QByteArray& line) {
        if (const std::optional<TActivationToken> activation = ReadRequest(line))
            emit ActivationRequested(*activation);
    });
}

// In the user's runtime folder (or beside the settings file where there is
// none), named by a digest of the settings file's full path: short enough for
// a socket path, the same for every start on that file.
QString TSingleInstance::ServerNameFor(const std::string& settingsFile) {
    const QFileInfo file(QString::fromStdString(settingsFile));
    const QString canonicalFolder = QFileInfo(file.absolutePath()).canonicalFilePath();
    const QString folder = canonicalFolder.isEmpty() ? file.absolutePath() : canonicalFolder;
    const QByteArray digest =
        QCryptographicHash::hash((folder + '/' + file.fileName()).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) runtime = file.absolutePath();
    return runtime + "/brimsum-" + QString::fromLatin1(digest);
}

TSingleInstance::TStart TSingleInstance::Start(const TActivationToken& activation,
                                               std::chrono::milliseconds patience) {
    const QDeadlineTimer deadline(patience);
    for (;;) {
        const TInstanceLock::TResult lock = lock_.TryLock();
        if (lock == TInstanceLock::TResult::Taken) {
            Listen();
            return TStart::First;
        }
        // A lock that cannot be made at all (no settings folder, a folder
        // without write access) guards nothing: the program runs as it would
        // without one, and reports its file errors itself.
        if (lock == TInstanceLock::TResult::Unavailable) return TStart::First;
        if (HandOver(activation)) return TStart::HandedOver;
        if (deadline.hasExpired()) return TStart::NoAnswer;
        QThread::msleep(kRetryPauseMs);
    }
}

void TSingleInstance::StopListening() {
    server_.Close();
}

bool TSingleInstance::HandOver(const TActivationToken& activation) const {
    return SendToLocalServer(serverName_, Request(activation), kConnectTime);
}

void TSingleInstance::Listen() {
    // With the lock held, a socket file under the name is a crashed
    // program's: it goes before the new one takes its place.
    TLocalServer::RemoveSocketFile(serverName_);
    server_.Listen(serverName_);
}
