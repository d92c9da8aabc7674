#include "formats/Errors.h"
#include "formats/SafeFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The steps taken on an SMB share, tried on a local folder made to count as one.
class tst_ShareSave : public QObject {
    Q_OBJECT
private slots:
    void init() { forceFolderKind(FolderKind::SmbShare); }
    void cleanup() { forceFolderKind(std::nullopt); }

    void replaceLeavesOnlyTheNewFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("track.txt");
        replaceFile(path, "old");
        replaceFile(path, "new");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("new"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"track.txt"});
    }

    // A lock left by a copy that died is taken over once unchanged for StaleAfter, and not
    // before; the lock is gone once the new holder lets go.
    void staleLockTakenOver() {
        QTemporaryDir dir;
        const QString path = dir.filePath("track.txt");
        QFile left(path + ".lock");
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write("other-host 1 dead");
        left.close();
        QElapsedTimer waited;
        waited.start();
        {
            FileLock lock(path);
            QVERIFY(waited.elapsed() >= FileLock::StaleAfter.count());
            QVERIFY(waited.elapsed() < FileLock::ShareWait.count());
        }
        QVERIFY(!QFile::exists(path + ".lock"));
        QVERIFY(!QFile::exists(path + ".lock.break"));
    }

    // A holder whose lock was taken over while it stalled must not delete the new holder's.
    void takenOverLockIsNotRemoved() {
        QTemporaryDir dir;
        const QString path = dir.filePath("track.txt");
        {
            FileLock lock(path);
            QVERIFY(QFile::remove(path + ".lock"));
            QFile other(path + ".lock");
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write("another holder, a longer owner line");
        }
        QVERIFY(QFile::exists(path + ".lock"));
    }
};

QTEST_GUILESS_MAIN(tst_ShareSave)
#include "tst_sharesave.moc"
