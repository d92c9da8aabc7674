#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "formats/SafeFile.h"
#include "support/TempContent.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

// Every case makes its node in a fresh folder: "guarded/" stands for the user's or school's
// folder, anything else for a place of the user's choosing. A read or write that blocks is
// ended by the alarm, which fails the test rather than hanging it.
namespace {

void make(const QString& path, const QString& what) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray name = QFile::encodeName(path);
    if (what == "fifo")
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    else if (what == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (what == "loop")
        QVERIFY(QFile::link(path, path));
    else if (what.startsWith("link:"))
        QVERIFY(QFile::link(what.mid(5), path));
    else if (what.startsWith("sparse:")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(what.mid(7).toLongLong()));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(what.toUtf8());
    }
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class tst_FileAccess : public QObject {
    Q_OBJECT

private slots:
    void init() { ::alarm(20); }
    void cleanup() {
        ::alarm(0);
        FileAccess::clearGuardedFolders();
    }

    void readRefuses_data() {
        QTest::addColumn<QString>("node");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to /dev/zero") << "link:/dev/zero";
        QTest::newRow("link loop") << "loop";
        QTest::newRow("folder") << "folder";
        QTest::newRow("sparse, 1 byte over the cap")
            << "sparse:" + QString::number(FileAccess::capOf(FileAccess::Kind::Picture) + 1);
        QTest::newRow("sparse 3 GB") << "sparse:3221225472";
    }
    void readRefuses() {
        QFETCH(QString, node);
        TempContent folder;
        const QString path = folder.path() + "/images/globesm.jpg";
        make(path, node);
        try {
            FileAccess::read(path, FileAccess::Kind::Picture);
            QFAIL("read");
        } catch (const FileAccessError& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(path), e.what());
        }
    }

    // A file of the system whose size says 0 is read only up to the cap.
    void capCountedWhileReading() {
        const QString smaps = QStringLiteral("/proc/self/smaps");
        const qint64 cap = FileAccess::capOf(FileAccess::Kind::Description);
        QFile probe(smaps);
        if (!probe.open(QIODevice::ReadOnly) || probe.size() != 0 ||
            probe.read(cap + 1).size() <= cap)
            QSKIP("no file of the system claims 0 bytes and holds more than the cap");
        QVERIFY_THROWS_EXCEPTION(FileAccessError,
                                 FileAccess::read(smaps, FileAccess::Kind::Description));
        QCOMPARE(FileAccess::readHead(smaps, 6).size(), 6);
    }

    void writeRefuses_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("node");
        QTest::newRow("FIFO") << "out.gift"
                              << "fifo";
        QTest::newRow("link to a device") << "out.gift"
                                          << "link:/dev/null";
        QTest::newRow("link loop") << "out.gift"
                                   << "loop";
        QTest::newRow("folder") << "out.gift"
                                << "folder";
        QTest::newRow("link in the folder to a file elsewhere") << "guarded/images/globesm.jpg"
                                                                << "link:../../elsewhere.txt";
        QTest::newRow("link in the folder to a file in it") << "guarded/logo/quen1.gif"
                                                            << "link:../multiple/Alpha.txt";
        QTest::newRow("folder on the way is a link") << "guarded/multiple/track.txt"
                                                     << "folderlink";
    }
    void writeRefuses() {
        QFETCH(QString, target);
        QFETCH(QString, node);
        TempContent folder;
        folder.write("elsewhere.txt", "someone else's");
        folder.write("guarded/multiple/Alpha.txt", "Alpha");
        FileAccess::guardFolder(folder.path() + "/guarded");
        const QString path = folder.path() + '/' + target;
        if (node == "folderlink") {
            QVERIFY(QDir(folder.path() + "/guarded/multiple").removeRecursively());
            folder.write("outside/track.txt", "someone else's");
            make(folder.path() + "/guarded/multiple", "link:" + folder.path() + "/outside");
        } else {
            make(path, node);
        }
        struct stat before {};
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &before), 0);
        // Neither replacing nor removing gets past what stands there.
        for (const bool removing : {false, true}) {
            try {
                removing ? removeFile(path) : replaceFile(path, "written");
                QFAIL(removing ? "removed" : "written");
            } catch (const FileAccessError& e) {
                QVERIFY2(QString::fromUtf8(e.what()).contains(path), e.what());
            }
            struct stat after {};
            QCOMPARE(::lstat(QFile::encodeName(path).constData(), &after), 0);
            QCOMPARE(after.st_mode, before.st_mode);
            QCOMPARE(after.st_ino, before.st_ino);
        }
        for (const char* other :
             {"elsewhere.txt", "outside/track.txt", "guarded/multiple/Alpha.txt"})
            QVERIFY(contentOf(folder.path() + '/' + other) != "written");
    }

    // Outside the guarded folders a link the user made is followed to the file it names; a name
    // that is not UTF-8 is written as given.
    void writeAllowed() {
        TempContent folder;
        FileAccess::guardFolder(folder.path() + "/guarded");
        folder.write("real.gift", "old");
        make(folder.path() + "/link.gift", "link:" + folder.path() + "/real.gift");
        replaceFile(folder.path() + "/link.gift", "new");
        QCOMPARE(contentOf(folder.path() + "/real.gift"), QByteArray("new"));
        QVERIFY(QFileInfo(folder.path() + "/link.gift").isSymLink());
        const QByteArray odd = QFile::encodeName(folder.path()) + "/na\xefve.gift";
        replaceFileNative(odd, "bytes");
        QCOMPARE(FileAccess::readNative(odd, FileAccess::Kind::Import), QByteArray("bytes"));
        // A regular file is removed, and a missing one is no fault.
        removeFile(folder.path() + "/guarded/mark.txt");
        folder.write("guarded/mark.txt", "on");
        removeFile(folder.path() + "/guarded/mark.txt");
        QVERIFY(!QFileInfo::exists(folder.path() + "/guarded/mark.txt"));
    }
};

QTEST_GUILESS_MAIN(tst_FileAccess)
#include "tst_fileaccess.moc"
