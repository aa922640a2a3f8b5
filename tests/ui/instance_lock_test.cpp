// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The instance lock on a real file system: only a running copy's lock refuses a start, whatever
// a lock file says.
#include "common/qt_platform.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace orbis;

class InstanceLockTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QString runtime_;

    static QString lockName() { return QtPlatform().applicationName() + ".lock"; }
    QString lockPath() const { return runtime_ + "/" + lockName(); }
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
        runtime_ = home_.path() + "/runtime";
        for (const char* made : {"/runtime", "/cache", "/user"})
            QDir(home_.path() + made).removeRecursively();
        QVERIFY(QDir().mkpath(runtime_));
        QFile::setPermissions(runtime_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtime_.toLocal8Bit());
        qputenv("XDG_CACHE_HOME", (home_.path() + "/cache").toLocal8Bit());
    }

    void startsOrRefuses_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QByteArray>("contents"); // of a lock file left in place
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("heldIn"); // the folder of the lock this start holds, if any
        const QByteArray ourHost = QSysInfo::machineHostName().toUtf8();
        const QByteArray ourId = QSysInfo::machineUniqueId();
        const QByteArray otherId = "0123456789abcdef0123456789abcdef";
        // Process ids stop short of 2^22 on Linux.
        const qint64 dead = 4194304;
        const qint64 live = QCoreApplication::applicationPid();
        const QString runtime = "runtime";
        QTest::newRow("no lock") << "free" << QByteArray() << 0 << true << runtime;
        QTest::newRow("held by a live copy") << "live" << QByteArray() << 0 << false << "";
        // What a lock file says is never believed: only the kernel's lock counts.
        QTest::newRow("left by a dead copy")
            << "written" << lockText(dead, ourHost) << 0 << true << runtime;
        QTest::newRow("cut short, names no process")
            << "written" << QByteArray() << 0 << true << runtime;
        QTest::newRow("another machine's, a dead process, 400 days old")
            << "written" << lockText(dead, "elsewhere", otherId) << 400 << true << runtime;
        QTest::newRow("another machine's, a process alive here")
            << "written" << lockText(live, ourHost, otherId) << 0 << true << runtime;
        QTest::newRow("another host name, no host id, a process alive here")
            << "written" << lockText(live, "elsewhere") << 0 << true << runtime;
        QTest::newRow("forged: this machine's id and a live process")
            << "written" << lockText(live, ourHost, ourId) << 0 << true << runtime;
        // What no copy makes is left as it is, and the cache folder serves instead.
        QTest::newRow("lock path is an empty folder")
            << "folder" << QByteArray() << 0 << true << "cache";
        QTest::newRow("lock path is a folder with something in it")
            << "full folder" << QByteArray() << 0 << true << "cache";
        QTest::newRow("a pipe at the lock path") << "fifo" << QByteArray() << 0 << true << runtime;
        QTest::newRow("a link to nothing at the lock path")
            << "dangling" << QByteArray() << 0 << true << "cache";
        QTest::newRow("another user's pipe at the lock path")
            << "foreign fifo" << QByteArray() << 0 << true << runtime;
        // Never a shared folder such as /tmp: the user's cache folder stands in.
        QTest::newRow("no runtime folder") << "no runtime" << QByteArray() << 0 << true << "cache";
        QTest::newRow("a runtime folder that is not there, never made")
            << "missing runtime" << QByteArray() << 0 << true << "cache";
        QTest::newRow("a runtime folder others may write to")
            << "shared runtime" << QByteArray() << 0 << true << "cache";
        QTest::newRow("another user's runtime folder")
            << "foreign runtime" << QByteArray() << 0 << true << "cache";
        // As root with a user's home and runtime folder, nothing is made there and no lock held.
        QTest::newRow("root with another user's home")
            << "foreign home" << QByteArray() << 0 << true << "";
        QTest::newRow("no usable folder for it") << "nowhere" << QByteArray() << 0 << true << "";
    }
    void startsOrRefuses()
    {
        QFETCH(QString, state);
        QFETCH(QByteArray, contents);
        QFETCH(int, ageDays);
        QFETCH(bool, starts);
        QFETCH(QString, heldIn);
        const QByteArray path = QFile::encodeName(lockPath());
        const QString user = home_.path() + "/user";
        if (state == "no runtime") {
            qunsetenv("XDG_RUNTIME_DIR");
        } else if (state == "missing runtime") {
            QVERIFY(QDir(runtime_).removeRecursively());
        } else if (state == "shared runtime") {
            QVERIFY(QFile::setPermissions(runtime_, QFile::Permissions(0x7777)));
        } else if (state == "foreign runtime" || state == "foreign home") {
            // Only root can give a file away.
            QCOMPARE(::chown(QFile::encodeName(runtime_).constData(), 65534, 65534), 0);
            if (state == "foreign home") {
                QVERIFY(QDir().mkpath(user));
                QCOMPARE(::chown(QFile::encodeName(user).constData(), 65534, 65534), 0);
                qputenv("HOME", QFile::encodeName(user));
                qunsetenv("XDG_CACHE_HOME");
            }
        } else if (state == "nowhere") {
            qputenv("XDG_RUNTIME_DIR", "/dev/null/runtime");
            qputenv("XDG_CACHE_HOME", "/dev/null/cache");
        }
        QtPlatform other;
        if (state == "live") {
            QVERIFY(other.tryLockInstance());
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
            if (state == "foreign fifo")
                QCOMPARE(::lchown(path.constData(), 65534, 65534), 0);
        } else if (state == "dangling") {
            QVERIFY(QFile::link(home_.path() + "/nothing", lockPath()));
        }

        QtPlatform platform;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(platform.tryLockInstance(), starts);
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        // The lock is where it belongs, and nothing is made through a link or in a foreign home.
        QCOMPARE(QFileInfo::exists(home_.path() + "/cache/" + lockName()), heldIn == "cache");
        QVERIFY(!QFileInfo::exists(home_.path() + "/nothing"));
        QCOMPARE(QDir(user).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        if (state == "nowhere")
            return;
        // While this copy holds the lock, the next start is refused.
        QtPlatform next;
        QCOMPARE(next.tryLockInstance(), starts && heldIn.isEmpty());
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "instance_lock_test.moc"
