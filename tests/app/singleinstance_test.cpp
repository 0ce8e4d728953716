// One running program per settings file: the second start hands over, a
// crashed program's lock and socket do not stop the next start. (The same
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

#include "app/singleinstance.h"

namespace {

using TStart = TSingleInstance::TStart;
using namespace std::chrono_literals;

class SingleInstanceTest : public testing::Test {
protected:
    QString LockFile() const { return folder.filePath("Brimsum.Ini.lock"); }
    QString Server() const { return folder.filePath("socket"); }

    QTemporaryDir folder;
};

TEST_F(SingleInstanceTest, ASecondStartHandsOverAndTheFirstBringsItsWindow) {
    TSingleInstance first(LockFile(), Server());
    ASSERT_EQ(first.Start(), TStart::First);
    QSignalSpy asked(&first, &TSingleInstance::ActivationRequested);
    // Only the user may reach the socket.
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(Server()).permissions() & others, QFile::Permissions());

    TSingleInstance second(LockFile(), Server());
    EXPECT_EQ(second.Start(0ms), TStart::HandedOver);
    EXPECT_TRUE(asked.wait(2000));
    EXPECT_EQ(asked.count(), 1);

    // A peer that sends anything else is not obeyed, and one that sends
    // nothing holds up no later start.
    QLocalSocket silent;
    silent.connectToServer(Server());
    ASSERT_TRUE(silent.waitForConnected(1000));
    for (const QByteArray& request : {QByteArray(100, 'x') + "\nactivate\n",
                                      QByteArray("activate now\n"), QByteArray("activate")}) {
        QLocalSocket stranger;
        stranger.connectToServer(Server());
        ASSERT_TRUE(stranger.waitForConnected(1000));
        stranger.write(request);
        stranger.waitForBytesWritten(1000);
        stranger.disconnectFromServer();
    }
    QTest::qWait(100);
    EXPECT_EQ(asked.count(), 1);
    TSingleInstance third(LockFile(), Server());
    EXPECT_EQ(third.Start(0ms), TStart::HandedOver);
    EXPECT_TRUE(asked.wait(2000));
    EXPECT_EQ(asked.count(), 2);
}

// While the program ends (socket closed, lock still held) a start waits for
// the lock; it gets no answer only while the lock stays held.
TEST_F(SingleInstanceTest, AStartDuringTheEndWaitsForTheLock) {
    TSingleInstance first(LockFile(), Server());
    ASSERT_EQ(first.Start(), TStart::First);
    first.StopListening();
    EXPECT_FALSE(QFile::exists(Server()));
    TSingleInstance second(LockFile(), Server());
    EXPECT_EQ(second.Start(200ms), TStart::NoAnswer);
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
    ASSERT_EQ(next.Start(0ms), TStart::First);
    TSingleInstance another(LockFile(), Server());
    EXPECT_EQ(another.Start(0ms), TStart::HandedOver) << "the new program listens";
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
    EXPECT_EQ(start.Start(0ms), TStart::First);
}

}  // namespace
