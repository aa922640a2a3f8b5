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

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
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
    const QString target = QFileInfo(path).symLinkTarget();
    if (S_ISLNK(info.st_mode))
        return kind + " to " + (target == path ? QString("itself") : Describe(target));
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

// A file system without nameless files (NFS, FAT), and a disk that cannot flush, for the rows
// that ask for them: this program's openat and fsync stand in for the C library's.
bool gNoNamelessFiles = false;
bool gNoFlush = false;

} // namespace

extern "C" int openat(int folder, const char* name, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list rest;
        va_start(rest, flags);
        mode = va_arg(rest, mode_t);
        va_end(rest);
    }
    if (gNoNamelessFiles && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return int(::syscall(SYS_openat, folder, name, flags, mode));
}

extern "C" int fsync(int file)
{
    if (gNoFlush) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_fsync, file));
}

namespace {

QStringList Entries(const QString& folder)
{
    QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
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
        QDir(home_.filePath("user")).removeRecursively();
        const QString folder = config + "/" + identity::kOrganisation;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(home_.filePath("elsewhere")));
        QVERIFY(QDir().mkpath(home_.filePath("tmp")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        qputenv("TMPDIR", QFile::encodeName(home_.filePath("tmp")));
        qputenv("HOME", QFile::encodeName(home_.path()));
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
        QTest::newRow("a sound file where files cannot be nameless")
            << "sound, named" << kStored << true;
        QTest::newRow("a link to a sound file") << "link" << kStored << true;
        // The system's links are followed, such as a /home that is a link: a user's own start.
        QTest::newRow("a user's settings behind a link of root's")
            << "root's link" << kStored << true;
        QTest::newRow("a link to nothing yet") << "dangling"
                                               << "" << true;
        // Read in full, and renewed without growing.
        QTest::newRow("a file at the size limit") << "limit" << kStored << true;
        QTest::newRow("a file at the size limit that would grow")
            << "limit, growing" << kStored.left(16) << false;
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
        QTest::newRow("a link to a device") << "device link"
                                            << "" << false;
        QTest::newRow("a link that leads to itself") << "file link loop"
                                                     << "" << false;
        QTest::newRow("a write cut short") << "cut short" << kStored << false;
        QTest::newRow("a disk that cannot flush, where files cannot be nameless")
            << "sound, no flush, named" << kStored << false;
        // A line that carries on: writing the date in by lines would change the value above it.
        QTest::newRow("a value carried on to the date's line") << "carried on"
                                                               << "" << false;
        // Only what is the user's own is read or written: as root (who alone can give files
        // away here), nothing another user has made leads the store anywhere.
        QTest::newRow("another user's link to root's file") << "foreign link"
                                                            << "" << false;
        QTest::newRow("a link to another user's file") << "link to foreign"
                                                       << "" << false;
        QTest::newRow("another user's folder") << "foreign folder"
                                               << "" << false;
        QTest::newRow("another user's folder above ours, ours still to make") << "foreign parent"
                                                                              << "" << false;
        QTest::newRow("a settings folder others may write to") << "shared folder"
                                                               << "" << false;
        QTest::newRow("root with another user's home, root's folder left there") << "foreign home"
                                                                                 << "" << false;
        QTest::newRow("another user's folder link to root's folder") << "foreign folder link"
                                                                     << "" << false;
        QTest::newRow("another user's link to nothing yet") << "foreign dangling link"
                                                            << "" << false;
        // Nothing is removed because its name looks like a temporary of the store's.
        QTest::newRow("look-alikes of temporaries") << "look-alikes" << kStored << true;
    }
    void readAndWrite()
    {
        QFETCH(QString, state);
        QFETCH(QString, reads);
        QFETCH(bool, writes);
        const QString elsewhere = home_.filePath("elsewhere/settings");
        if (state == "root's link") {
            const QString user = home_.filePath("user");
            const QString real = user + "/real/" + identity::kOrganisation;
            write(real + "/" + QFileInfo(path_).fileName(), SettingsText(kStored));
            QVERIFY(QFile::link(user + "/real", user + "/config"));
            for (const QString& theirs :
                 {user, user + "/real", real, real + "/" + QFileInfo(path_).fileName()})
                QCOMPARE(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
            QVERIFY(QFile::setPermissions(home_.path(), QFile::Permissions(0x7755)));
            path_ = user + "/config/" + identity::kOrganisation + "/" + QFileInfo(path_).fileName();
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(user + "/config"));
        } else if (state == "foreign home") {
            const QString user = home_.filePath("user");
            path_ =
                user + "/.config/" + identity::kOrganisation + "/" + QFileInfo(path_).fileName();
            write(path_, SettingsText(kStored));
            for (const QString& theirs : {user, user + "/.config"})
                QCOMPARE(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
            qputenv("HOME", QFile::encodeName(user));
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(user + "/.config"));
        } else if (state.startsWith("sound")) {
            write(path_, SettingsText(kStored));
        } else if (state == "carried on") {
            write(path_, "[Settings]\nKept=a\\\nDuration=" + kStored.toUtf8() + "\n");
        } else if (state == "cut short") {
            write(path_, SettingsText(kStored) + "[Padding]\nText=" + QByteArray(1000, 'x') + '\n');
        } else if (state == "link" || state == "dangling") {
            if (state == "link")
                write(elsewhere, SettingsText(kStored));
            QVERIFY(QFile::link(elsewhere, path_));
        } else if (state.startsWith("limit") || state == "past limit" || state == "huge") {
            const qint64 size = state.startsWith("limit") ? kLimit
                                : state == "past limit"   ? kLimit + 1
                                                          : 200 << 20;
            QByteArray text =
                SettingsText(state == "limit, growing" ? reads : kStored) + "[Padding]\nText=";
            text += QByteArray(kLimit - text.size() - 1, 'x') + '\n';
            write(path_, text);
            QVERIFY(QFile::resize(path_, size));
        } else if (state == "folder") {
            QVERIFY(QDir().mkpath(path_));
        } else if (state == "fifo" || state == "fifo link" || state == "device link") {
            const QString fifo = state == "fifo" ? path_ : elsewhere;
            const mode_t kind = state == "device link" ? S_IFCHR : S_IFIFO;
            QCOMPARE(::mknod(QFile::encodeName(fifo).constData(), kind | 0600, makedev(1, 3)), 0);
            if (state != "fifo")
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
        } else if (state == "file link loop") {
            QVERIFY(QFile::link(QFileInfo(path_).fileName(), path_));
        } else if (state == "shared folder") {
            QVERIFY(
                QFile::setPermissions(QFileInfo(path_).absolutePath(), QFile::Permissions(0x7777)));
        } else if (state == "foreign parent") {
            QVERIFY(QDir(QFileInfo(path_).absolutePath()).removeRecursively());
            const QByteArray parent = QFile::encodeName(home_.filePath("config"));
            QCOMPARE(::chown(parent.constData(), 65534, 65534), 0);
        } else if (state == "foreign folder" || state == "foreign folder link") {
            const QString folder = QFileInfo(path_).absolutePath();
            if (state == "foreign folder link") {
                QVERIFY(QDir(folder).removeRecursively());
                QVERIFY(QFile::link(home_.filePath("elsewhere"), folder));
            }
            QCOMPARE(::lchown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
        } else if (state == "look-alikes") {
            write(path_, SettingsText(kStored));
            for (const QString& left :
                 {path_ + ".backup", path_ + ".Xy12Zz", path_ + ".photos/inside",
                  QFileInfo(path_).absolutePath() + "/." + QFileInfo(path_).fileName() + ".Orig01",
                  home_.filePath("tmp/" + QCoreApplication::applicationName() + "-report/ch1")}) {
                write(left, "the user's own");
                QVERIFY(TwoMinutesOld(left) && TwoMinutesOld(QFileInfo(left).absolutePath()));
            }
        }
        const QString file = state == "link" || state == "dangling" ? elsewhere : path_;
        gNoNamelessFiles = state.endsWith(", named");
        gNoFlush = state.contains("no flush");
        const QString before = Describe(path_);
        const QStringList besideBefore = Entries(QFileInfo(file).absolutePath());
        const QStringList scratchBefore = Entries(home_.filePath("tmp"));

        // That user's own start, as far as the store can tell.
        const auto asRoot = qScopeGuard([] { ::seteuid(0); });
        if (state == "root's link")
            QCOMPARE(::seteuid(65534), 0);
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
        gNoNamelessFiles = gNoFlush = false;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(written, writes);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

        if (!writes) {
            QCOMPARE(Describe(path_), before);
            QCOMPARE(Entries(QFileInfo(file).absolutePath()), besideBefore);
            return;
        }
        QCOMPARE(platform.readSetting(platform.applicationName(), kSection, kKey), kRenewed);
        ::seteuid(0);
        QCOMPARE(QFileInfo(path_).isSymLink(), file != path_);
        QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(settings.value("Settings/Duration").toString(), kRenewed);
        if (!reads.isEmpty())
            QCOMPARE(settings.value("Other/Kept").toString(), QString("yes"));
        // No temporary is left beside it nor anywhere else, and nothing else goes.
        QStringList besideAfter = besideBefore;
        if (!besideAfter.contains(QFileInfo(file).fileName()))
            besideAfter << QFileInfo(file).fileName();
        besideAfter.sort();
        QCOMPARE(Entries(QFileInfo(file).absolutePath()), besideAfter);
        QCOMPARE(Entries(home_.filePath("tmp")), scratchBefore);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
