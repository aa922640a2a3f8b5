// The instance lock on a real file system: only a live copy's lock refuses a start.
#include "common/qt_platform.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace orbis;

class InstanceLockTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    static QString lockPath() { return QtPlatform::lockFilePath(QtPlatform().applicationName()); }
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
        qputenv("TMPDIR", home_.path().toLocal8Bit());
    }

    void startsOrRefuses_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("holdsLock");
        QTest::newRow("no lock") << "free" << true << true;
        QTest::newRow("held by a live copy") << "live" << false << false;
        QTest::newRow("left by a dead copy") << "dead" << true << true;
        QTest::newRow("cut short, names no process") << "garbage" << true << true;
        QTest::newRow("lock path is a folder") << "folder" << true << false;
        QTest::newRow("no usable folder for it") << "nowhere" << true << false;
    }
    void startsOrRefuses()
    {
        QFETCH(QString, state);
        QFETCH(bool, starts);
        QFETCH(bool, holdsLock);
        QLockFile other(lockPath());
        if (state == "live") {
            QVERIFY(other.tryLock(0));
        } else if (state == "dead") {
            // Process ids stop short of 2^22 on Linux.
            write(lockPath(), "4194304\n" + QtPlatform().applicationName().toUtf8() + "\n" +
                                  QSysInfo::machineHostName().toUtf8() + "\n");
        } else if (state == "garbage") {
            write(lockPath(), QByteArray());
        } else if (state == "folder") {
            QVERIFY(QDir().mkpath(lockPath()));
        } else if (state == "nowhere") {
            qputenv("XDG_RUNTIME_DIR", "/dev/null/runtime");
            qputenv("TMPDIR", "/dev/null/tmp");
        }

        QtPlatform platform;
        QCOMPARE(platform.tryLockInstance(), starts);
        if (state == "nowhere")
            return;
        // While this copy holds the lock, the next start is refused.
        QtPlatform next;
        QCOMPARE(next.tryLockInstance(), !holdsLock && state != "live");
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "instance_lock_test.moc"
