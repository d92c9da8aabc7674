#include "formats/Errors.h"
#include "formats/SafeFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

namespace {

// A share whose server damages the new file yet reports the write whole, or refuses the rename.
class DamagedShare : public ShareSteps {
public:
    // CacheNotServer: the descriptor keeps what was written while the file the server holds at
    // that name is another (as a share's page cache does).
    enum Fault { ShortWrite, AlteredWrite, RenameRefused, CacheNotServer };
    explicit DamagedShare(Fault fault) : fault_(fault) { ShareSteps::use(this); }
    ~DamagedShare() override { ShareSteps::use(nullptr); }
    qint64 write(int fd, const QByteArray& bytes) override {
        QByteArray sent = bytes;
        if (fault_ == ShortWrite)
            sent.truncate(bytes.size() / 2);
        else if (fault_ == AlteredWrite)
            sent[bytes.size() / 2] = '#';
        const bool whole = ShareSteps::write(fd, sent) == sent.size();
        if (fault_ == CacheNotServer) {
            const QString name = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
            QFile::remove(name);
            QFile server(name);
            if (server.open(QIODevice::WriteOnly))
                server.write(bytes.left(bytes.size() / 2));
        }
        return whole ? bytes.size() : -1;
    }
    int rename(const QByteArray& from, const QByteArray& to) override {
        if (fault_ != RenameRefused)
            return ShareSteps::rename(from, to);
        errno = EROFS;
        return -1;
    }

private:
    Fault fault_;
};

// Another copy that took over the stale lock itself and now holds a fresh one, at the moment
// this copy has the breaker and is about to delete the stale lock.
void freshLockMovesIn(const QString& lockPath) {
    QFile::remove(lockPath);
    QFile fresh(lockPath);
    if (fresh.open(QIODevice::WriteOnly))
        fresh.write("other-host 2 alive and saving");
}

} // namespace

// The steps taken on an SMB share, tried on a local folder made to count as one.
class tst_ShareSave : public QObject {
    Q_OBJECT
private slots:
    void init() { forceFolderKind(FolderKind::SmbShare); }
    void cleanup() {
        forceFolderKind(std::nullopt);
        FileLock::onBreakerTaken(nullptr);
    }

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

    void damagedReplaceKeepsTheOldFile_data() {
        QTest::addColumn<int>("fault");
        QTest::newRow("short write reported whole") << int(DamagedShare::ShortWrite);
        QTest::newRow("altered byte reported whole") << int(DamagedShare::AlteredWrite);
        QTest::newRow("rename refused") << int(DamagedShare::RenameRefused);
        QTest::newRow("read back from the cache") << int(DamagedShare::CacheNotServer);
    }

    // A new file that did not reach the server as written must not replace good work.
    void damagedReplaceKeepsTheOldFile() {
        QFETCH(int, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("track.txt");
        const QByteArray old = " 1 \r\nCastles\r\n";
        replaceFile(path, old);
        {
            const DamagedShare share{DamagedShare::Fault(fault)};
            QVERIFY_THROWS_EXCEPTION(FileAccessError,
                                     replaceFile(path, " 2 \r\nCastles\r\nTudors\r\n"));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
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

    // Two copies found the same lock stale; the other took it over first. Under the breaker
    // this copy must see the lock is no longer the stale one and leave the fresh one alone.
    void freshLockNotBrokenAsStale() {
        QTemporaryDir dir;
        const QString path = dir.filePath("track.txt");
        QFile left(path + ".lock");
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write("other-host 1 dead");
        left.close();
        FileLock::onBreakerTaken(freshLockMovesIn);
        QVERIFY_THROWS_EXCEPTION(FolderBusyError, FileLock{path});
        QFile fresh(path + ".lock");
        QVERIFY(fresh.open(QIODevice::ReadOnly));
        QCOMPARE(fresh.readAll(), QByteArray("other-host 2 alive and saving"));
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
