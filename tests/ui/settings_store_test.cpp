// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on a real file system: whatever lies at the settings path, a start neither
// waits for it nor loses it.
#include "common/program_identity.h"
#include "common/qt_platform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace orbis;

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");
const QString kStored = QStringLiteral("2026-10-09T08:00:00");
const QString kRenewed = QStringLiteral("2026-12-08T10:30:00");
// The most the store reads; one byte more and it reads nothing.
constexpr qint64 kLimit = 64 * 1024;

QByteArray SettingsText(const QString& duration)
{
    return "[Other]\nKept=yes\n\n[Settings]\nDuration=" + duration.toUtf8() + "\n";
}

// The kind of thing at `path` and, for a file, its bytes: what must not change when a write fails.
QString Describe(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("nothing");
    QString kind = QString::number(info.st_mode & S_IFMT, 8);
    if (S_ISLNK(info.st_mode))
        return kind + " to " + Describe(QFileInfo(path).symLinkTarget());
    if (!S_ISREG(info.st_mode))
        return kind;
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return kind + " unreadable";
    return kind + " " + QString::fromLatin1(hash.result().toHex());
}

bool TwoMinutesOld(const QString& path)
{
    const timespec then{::time(nullptr) - 120, 0};
    const timespec times[] = {then, then};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

bool MakeSocket(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const int handle = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        handle >= 0 && ::bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (handle >= 0)
        ::close(handle);
    return bound;
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QString path_;

    void write(const QString& path, const QByteArray& contents)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(contents), contents.size());
    }

private slots:
    void init()
    {
        QVERIFY(home_.isValid());
        const QString config = home_.filePath("config");
        QDir(config).removeRecursively();
        QDir(home_.filePath("elsewhere")).removeRecursively();
        QDir(home_.filePath("tmp")).removeRecursively();
        const QString folder = config + "/" + identity::kOrganisation;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(home_.filePath("elsewhere")));
        QVERIFY(QDir().mkpath(home_.filePath("tmp")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        qputenv("TMPDIR", QFile::encodeName(home_.filePath("tmp")));
        path_ = folder + "/" + QtPlatform().applicationName() + ".conf";
    }

    void readAndWrite_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("reads");
        QTest::addColumn<bool>("writes");
        QTest::newRow("no file") << "none"
                                 << "" << true;
        QTest::newRow("a sound file") << "sound" << kStored << true;
        QTest::newRow("a link to a sound file") << "link" << kStored << true;
        QTest::newRow("a link to nothing yet") << "dangling"
                                               << "" << true;
        // Read in full, but with no room to grow.
        QTest::newRow("a file at the size limit") << "limit" << kStored << false;
        QTest::newRow("a file one byte past the limit") << "past limit"
                                                        << "" << false;
        QTest::newRow("a 200 MB file") << "huge"
                                       << "" << false;
        QTest::newRow("a folder") << "folder"
                                  << "" << false;
        QTest::newRow("a pipe nobody writes to") << "fifo"
                                                 << "" << false;
        QTest::newRow("a link to a pipe") << "fifo link"
                                          << "" << false;
        QTest::newRow("a socket") << "socket"
                                  << "" << false;
        QTest::newRow("a write cut short") << "cut short" << kStored << false;
        // Only what is the user's own is read or written: as root (who alone can give files
        // away here), nothing another user has made leads the store anywhere.
        QTest::newRow("another user's link to root's file") << "foreign link"
                                                            << "" << false;
        QTest::newRow("a link to another user's file") << "link to foreign"
                                                       << "" << false;
        QTest::newRow("another user's folder") << "foreign folder"
                                               << "" << false;
        QTest::newRow("another user's folder link to root's folder") << "foreign folder link"
                                                                     << "" << false;
        QTest::newRow("another user's link to nothing yet") << "foreign dangling link"
                                                            << "" << false;
        // What a copy that died writing left goes at the next write; a running write's stays.
        QTest::newRow("temporaries left by a crash") << "crashed" << kStored << true;
    }
    void readAndWrite()
    {
        QFETCH(QString, state);
        QFETCH(QString, reads);
        QFETCH(bool, writes);
        const QString elsewhere = home_.filePath("elsewhere/settings");
        if (state == "sound") {
            write(path_, SettingsText(kStored));
        } else if (state == "cut short") {
            write(path_, SettingsText(kStored) + "[Padding]\nText=" + QByteArray(1000, 'x') + '\n');
        } else if (state == "link" || state == "dangling") {
            if (state == "link")
                write(elsewhere, SettingsText(kStored));
            QVERIFY(QFile::link(elsewhere, path_));
        } else if (state == "limit" || state == "past limit" || state == "huge") {
            const qint64 size = state == "limit"        ? kLimit
                                : state == "past limit" ? kLimit + 1
                                                        : 200 << 20;
            QByteArray text = SettingsText(kStored) + "[Padding]\nText=";
            text += QByteArray(kLimit - text.size() - 1, 'x') + '\n';
            write(path_, text);
            QVERIFY(QFile::resize(path_, size));
        } else if (state == "folder") {
            QVERIFY(QDir().mkpath(path_));
        } else if (state == "fifo" || state == "fifo link") {
            const QString fifo = state == "fifo" ? path_ : elsewhere;
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            if (state == "fifo link")
                QVERIFY(QFile::link(fifo, path_));
        } else if (state == "socket") {
            QVERIFY(MakeSocket(path_));
        } else if (state == "foreign link" || state == "link to foreign" ||
                   state == "foreign dangling link") {
            if (state == "foreign dangling link")
                QVERIFY(QFile::link(home_.filePath("elsewhere/made/here/settings"), path_));
            else
                write(elsewhere, SettingsText(kStored));
            if (!QFileInfo(path_).isSymLink())
                QVERIFY(QFile::link(elsewhere, path_));
            const QByteArray name =
                QFile::encodeName(state == "link to foreign" ? elsewhere : path_);
            QCOMPARE(::lchown(name.constData(), 65534, 65534), 0);
        } else if (state == "foreign folder" || state == "foreign folder link") {
            const QString folder = QFileInfo(path_).absolutePath();
            if (state == "foreign folder link") {
                QVERIFY(QDir(folder).removeRecursively());
                QVERIFY(QFile::link(home_.filePath("elsewhere"), folder));
            }
            QCOMPARE(::lchown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
        } else if (state == "crashed") {
            write(path_, SettingsText(kStored));
            const QString folder = QFileInfo(path_).absolutePath() + "/";
            const QString name = QFileInfo(path_).fileName();
            const QString scratch =
                home_.filePath("tmp/" + QCoreApplication::applicationName() + "-Ab12Cd");
            for (const QString& left : {folder + name + ".Xy12Zz", folder + "." + name + ".Qw34Er",
                                        scratch + "/settings.conf"}) {
                write(left, "left behind");
                QVERIFY(TwoMinutesOld(left));
            }
            QVERIFY(TwoMinutesOld(scratch));
            write(folder + name + ".Fr56Sh", "being written");
        }
        const QString before = Describe(path_);

        QtPlatform platform;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(platform.readSetting(platform.applicationName(), kSection, kKey), reads);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

        // No file may grow past half the new one: it cannot be written in full, a lock file can.
        rlimit limit{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit cut{600, limit.rlim_max};
        if (state == "cut short") {
            std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &cut), 0);
        }
        const bool written =
            platform.writeSetting(platform.applicationName(), kSection, kKey, kRenewed);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(written, writes);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

        if (!writes) {
            QCOMPARE(Describe(path_), before);
            return;
        }
        QCOMPARE(platform.readSetting(platform.applicationName(), kSection, kKey), kRenewed);
        const QString file = state == "link" || state == "dangling" ? elsewhere : path_;
        QCOMPARE(QFileInfo(path_).isSymLink(), file != path_);
        QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(settings.value("Settings/Duration").toString(), kRenewed);
        if (!reads.isEmpty())
            QCOMPARE(settings.value("Other/Kept").toString(), QString("yes"));
        // No temporary file is left beside it, nor a scratch folder; a running write's stays.
        const QStringList beside =
            QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(beside.size(), state == "crashed" ? 2 : 1);
        QVERIFY(beside.contains(QFileInfo(file).fileName()));
        QCOMPARE(QDir(home_.filePath("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
