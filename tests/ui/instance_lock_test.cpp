// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The instance lock on a real file system: only a live copy's lock refuses a start.
#include "common/qt_platform.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace orbis;

class InstanceLockTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    static QString lockPath() { return QtPlatform::lockFilePath(QtPlatform().applicationName()); }
    // What a copy writes into its lock: process id, program, host name, then the host id.
    static QByteArray lockText(qint64 pid, const QByteArray& host, const QByteArray& hostId = {})
    {
        QByteArray text = QByteArray::number(pid) + '\n' + QtPlatform().applicationName().toUtf8() +
                          '\n' + host + '\n';
        return hostId.isEmpty() ? text : text + hostId + '\n';
    }
    static void write(const QString& path, const QByteArray& contents)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

private slots:
    void init()
    {
        QVERIFY(home_.isValid());
        const QString runtime = home_.path() + "/runtime";
        QDir(runtime).removeRecursively();
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        qputenv("XDG_CACHE_HOME", (home_.path() + "/cache").toLocal8Bit());
        qputenv("TMPDIR", home_.path().toLocal8Bit());
    }

    void startsOrRefuses_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QByteArray>("contents"); // of a lock file left in place
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("holdsLock");
        const QByteArray ourHost = QSysInfo::machineHostName().toUtf8();
        const QByteArray ourId = QSysInfo::machineUniqueId();
        const QByteArray otherId = "0123456789abcdef0123456789abcdef";
        // Process ids stop short of 2^22 on Linux.
        const qint64 dead = 4194304;
        const qint64 live = QCoreApplication::applicationPid();
        QTest::newRow("no lock") << "free" << QByteArray() << 0 << true << true;
        QTest::newRow("held by a live copy") << "live" << QByteArray() << 0 << false << false;
        QTest::newRow("left by a dead copy")
            << "written" << lockText(dead, ourHost) << 0 << true << true;
        QTest::newRow("cut short, names no process")
            << "written" << QByteArray() << 0 << true << true;
        QTest::newRow("another machine's, a dead process, 400 days old")
            << "written" << lockText(dead, "elsewhere", otherId) << 400 << true << true;
        QTest::newRow("another machine's, a process alive here")
            << "written" << lockText(live, ourHost, otherId) << 0 << true << true;
        QTest::newRow("another host name, no host id, a process alive here")
            << "written" << lockText(live, "elsewhere") << 0 << true << true;
        QTest::newRow("this machine's id under another host name, a live copy")
            << "written" << lockText(live, "elsewhere", ourId) << 0 << ourId.isEmpty()
            << ourId.isEmpty();
        // What no copy makes is cleared where it is the user's, and never waited on.
        QTest::newRow("lock path is an empty folder")
            << "folder" << QByteArray() << 0 << true << true;
        QTest::newRow("lock path is a folder with something in it")
            << "full folder" << QByteArray() << 0 << true << false;
        QTest::newRow("a pipe at the lock path") << "fifo" << QByteArray() << 0 << true << true;
        QTest::newRow("a link to nothing at the lock path")
            << "dangling" << QByteArray() << 0 << true << true;
        QTest::newRow("another user's pipe at the lock path")
            << "foreign fifo" << QByteArray() << 0 << true << false;
        // Never a shared folder such as /tmp: the user's cache folder stands in.
        QTest::newRow("no runtime folder") << "no runtime" << QByteArray() << 0 << true << true;
        QTest::newRow("a runtime folder others may write to")
            << "shared runtime" << QByteArray() << 0 << true << true;
        QTest::newRow("no usable folder for it") << "nowhere" << QByteArray() << 0 << true << false;
    }
    void startsOrRefuses()
    {
        QFETCH(QString, state);
        QFETCH(QByteArray, contents);
        QFETCH(int, ageDays);
        QFETCH(bool, starts);
        QFETCH(bool, holdsLock);
        if (state == "no runtime") {
            qunsetenv("XDG_RUNTIME_DIR");
        } else if (state == "shared runtime") {
            QVERIFY(QFile::setPermissions(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                          QFile::Permissions(0x7777)));
        } else if (state == "nowhere") {
            qputenv("XDG_RUNTIME_DIR", "/dev/null/runtime");
            qputenv("XDG_CACHE_HOME", "/dev/null/cache");
            qputenv("TMPDIR", "/dev/null/tmp");
        }
        const QByteArray path = QFile::encodeName(lockPath());
        QLockFile other(lockPath());
        if (state == "live") {
            QVERIFY(other.tryLock(0));
        } else if (state == "written") {
            write(lockPath(), contents);
            QFile file(lockPath());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-ageDays),
                                     QFileDevice::FileModificationTime));
        } else if (state == "folder" || state == "full folder") {
            QVERIFY(QDir().mkpath(lockPath() + (state == "full folder" ? "/inside" : "")));
        } else if (state == "fifo" || state == "foreign fifo") {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
            // Only root can give a file away.
            if (state == "foreign fifo")
                QCOMPARE(::lchown(path.constData(), 65534, 65534), 0);
        } else if (state == "dangling") {
            QVERIFY(QFile::link(home_.path() + "/nothing", lockPath()));
        } else if (state == "no runtime" || state == "shared runtime") {
            QVERIFY(lockPath().startsWith(home_.path() + "/cache/"));
        }

        QtPlatform platform;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(platform.tryLockInstance(), starts);
        // At most the second a copy that has only just made its lock is given to fill it in.
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        if (state == "nowhere")
            return;
        // While this copy holds the lock, the next start is refused.
        QtPlatform next;
        QCOMPARE(next.tryLockInstance(), starts && !holdsLock);
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "instance_lock_test.moc"
