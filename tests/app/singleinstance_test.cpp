// One running program per settings file: the second start hands over with
// its activation tokens, a crashed program's lock and socket do not stop the
// next start. (The same
// with real processes: tests/e2e/one_program_per_settings_file.sh.)

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <vector>

#include "app/singleinstance.h"

namespace {

using TStart = TSingleInstance::TStart;
using namespace std::chrono_literals;

class SingleInstanceTest : public testing::Test {
protected:
    QString LockFile() const { return folder.filePath("Brimsum.Ini.lock"); }
    QString Server() const { return folder.filePath("socket"); }
    // Sends bytes to the running program's socket as some peer.
    void Send(const QByteArray& bytes) const {
        QLocalSocket peer;
        peer.connectToServer(Server());
        ASSERT_TRUE(peer.waitForConnected(1000));
        peer.write(bytes);
        peer.waitForBytesWritten(1000);
        peer.disconnectFromServer();
    }

    QTemporaryDir folder;
};

TEST_F(SingleInstanceTest, ASecondStartHandsOverAndTheFirstBringsItsWindow) {
    TSingleInstance first(LockFile(), Server());
    ASSERT_EQ(first.Start(), TStart::First);
    QSignalSpy asked(&first, &TSingleInstance::ActivationRequested);
    ASSERT_TRUE(asked.isValid());
    // Only the user may reach the socket.
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(Server()).permissions() & others, QFile::Permissions());

    TSingleInstance second(LockFile(), Server());
    EXPECT_EQ(second.Start({}, 0ms), TStart::HandedOver);
    EXPECT_TRUE(asked.wait(2000));
    EXPECT_EQ(asked.count(), 1);

    // A peer that sends anything else is not obeyed, and one that sends
    // nothing holds up no later start.
    QLocalSocket silent;
    silent.connectToServer(Server());
    ASSERT_TRUE(silent.waitForConnected(1000));
    for (const QByteArray& request :
         {QByteArray(100, 'x') + "\nactivate\n", QByteArray("activate now\n"),
          QByteArray("activate"), QByteArray("activate startup-id=\n"), QByteArray("activate =x\n"),
          QByteArray(700, 'a') + "\n"}) {
        Send(request);
    }
    QTest::qWait(100);
    EXPECT_EQ(asked.count(), 1);
    TSingleInstance third(LockFile(), Server());
    EXPECT_EQ(third.Start({}, 0ms), TStart::HandedOver);
    EXPECT_TRUE(asked.wait(2000));
    EXPECT_EQ(asked.count(), 2);
}

struct TokenCase {
    const char* name;
    TActivationToken sent;
    TActivationToken received;
};

// The second start's tokens reach the running program as they were; one
// that could not travel safely (a blank, a quote, too long) stays behind,
// and the window is still asked for.
TEST_F(SingleInstanceTest, TheSecondStartsTokensReachTheRunningProgram) {
    TSingleInstance first(LockFile(), Server());
    ASSERT_EQ(first.Start(), TStart::First);
    std::vector<TActivationToken> received;
    QObject::connect(&first, &TSingleInstance::ActivationRequested,
                     [&received](const TActivationToken& token) { received.push_back(token); });
    const std::string longest(TActivationToken::kMostBytes, 't');
    const TokenCase cases[] = {
        {"none", {}, {}},
        {"both",
         {"launcher-12-host_TIME4242", "a1b2/c3:d4=="},
         {"launcher-12-host_TIME4242", "a1b2/c3:d4=="}},
        {"longest", {longest, longest}, {longest, longest}},
        {"too long", {longest + "t", "ok"}, {"", "ok"}},
        {"blank", {"two words", ""}, {}},
        {"quote", {"", "say\"hi"}, {}},
    };
    for (const TokenCase& c : cases) {
        TSingleInstance second(LockFile(), Server());
        EXPECT_EQ(second.Start(c.sent, 0ms), TStart::HandedOver) << c.name;
        const size_t before = received.size();
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), before + 1, 2000);
        EXPECT_EQ(received.back(), c.received) << c.name;
    }
    // An earlier version's request, and keys a later one may add.
    for (const QByteArray& request :
         {QByteArray("activate\n"), QByteArray("activate colour=blue startup-id=x_TIME1\n")}) {
        Send(request);
    }
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), std::size(cases) + 2, 2000);
    EXPECT_EQ(received[received.size() - 2], TActivationToken());
    EXPECT_EQ(received.back(), (TActivationToken{"x_TIME1", ""}));
}

TEST(ActivationTokenTest, TheStartupIdTellsTheTimeOfTheClick) {
    EXPECT_EQ((TActivationToken{"gnome-shell/Brimsum/2-1-host_TIME4242", ""}.StartupTime()), 4242u);
    EXPECT_EQ((TActivationToken{"a_TIME1_TIME4294967295", ""}.StartupTime()), 4294967295u);
    for (const char* id : {"", "kde-1-host", "x_TIME", "x_TIME12a", "x_TIME4294967296", "x_TIME+1"})
        EXPECT_EQ((TActivationToken{id, ""}.StartupTime()), std::nullopt) << id;
}

// While the program ends (socket closed, lock still held) a start waits for
// the lock; it gets no answer only while the lock stays held.
TEST_F(SingleInstanceTest, AStartDuringTheEndWaitsForTheLock) {
    TSingleInstance first(LockFile(), Server());
    ASSERT_EQ(first.Start(), TStart::First);
    first.StopListening();
    EXPECT_FALSE(QFile::exists(Server()));
    TSingleInstance second(LockFile(), Server());
    EXPECT_EQ(second.Start({}, 200ms), TStart::NoAnswer);
}

TEST_F(SingleInstanceTest, TheSocketFollowsTheFileNotTheWayItsPathIsWritten) {
    const std::string one = folder.filePath("one/Brimsum.Ini").toStdString();
    const std::string other = folder.filePath("other/Brimsum.Ini").toStdString();
    ASSERT_TRUE(QDir().mkpath(folder.filePath("one")) && QDir().mkpath(folder.filePath("other")));
    EXPECT_NE(TSingleInstance::ServerNameFor(one), TSingleInstance::ServerNameFor(other));
    EXPECT_EQ(TSingleInstance::ServerNameFor(one),
              TSingleInstance::ServerNameFor(folder.filePath("other/../one/Brimsum.Ini").toStdString()));
}

// A program killed outright leaves its lock file, naming a process that no
// longer runs, and its socket file, which nobody answers.
TEST_F(SingleInstanceTest, ACrashedProgramsLockAndSocketAreCleanedUp) {
    QFile lock(LockFile());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("999999999\nBrimsum\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(Server());
    ASSERT_LT(size_t(path.size()), sizeof address.sun_path);
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(stale);
    ASSERT_TRUE(QFile::exists(Server()));

    TSingleInstance next(LockFile(), Server());
    ASSERT_EQ(next.Start({}, 0ms), TStart::First);
    TSingleInstance another(LockFile(), Server());
    EXPECT_EQ(another.Start({}, 0ms), TStart::HandedOver) << "the new program listens";
}

// A copy of an earlier version, which locks with QLockFile, finds the lock
// held by a live program and does not take it.
TEST_F(SingleInstanceTest, ALockFileOfAnEarlierVersionSeesTheHolder) {
    TSingleInstance first(LockFile(), Server());
    ASSERT_EQ(first.Start(), TStart::First);
    QLockFile earlier(LockFile());
    earlier.setStaleLockTime(0);
    EXPECT_FALSE(earlier.tryLock(0));
    EXPECT_EQ(earlier.error(), QLockFile::LockFailedError);
}

// No folder to lock in: nothing to guard, the program runs as it would have.
TEST_F(SingleInstanceTest, ALockThatCannotBeMadeLetsTheProgramRun) {
    TSingleInstance start(folder.filePath("missing/Brimsum.Ini.lock"), Server());
    EXPECT_EQ(start.Start({}, 0ms), TStart::First);
}

}  // namespace
