#include "app/UserFolder.h"
#include "formats/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The installed content: a picture, a sound, a built-in worksheet and an empty catalogue.
const QList<QPair<QString, QByteArray>> Shipped = {
    {QStringLiteral("images/globesm.jpg"), "globe 1"},
    {QStringLiteral("wav/click.wav"), "click 1"},
    {QStringLiteral("multiple/Introduction.txt"), "introduction 1"},
    {QString::fromLatin1(UserFolder::Catalogue), " 0 \r\n"},
};

void put(const QString& folder, const QString& relative, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray get(const QString& folder, const QString& relative) {
    QFile file(QDir(folder).filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QProcessEnvironment environment(const QStringList& assignments) {
    QProcessEnvironment env;
    for (const QString& assignment : assignments)
        env.insert(assignment.section(QLatin1Char('='), 0, 0),
                   assignment.section(QLatin1Char('='), 1));
    return env;
}

} // namespace

class tst_UserFolder : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    QString source_;
    QString target_;

private slots:
    void init() {
        QVERIFY(root_.isValid());
        source_ = root_.filePath(QStringLiteral("share/orvelles/content"));
        target_ = root_.filePath(QStringLiteral("home/.local/share/orvelles"));
        QDir(root_.path()).removeRecursively();
        for (const auto& [relative, bytes] : Shipped)
            put(source_, relative, bytes);
    }

    void firstStartCopiesEverythingWritable() {
        // An installed content folder is read-only; the copies must not be.
        for (const auto& [relative, bytes] : Shipped)
            QFile::setPermissions(QDir(source_).filePath(relative), QFile::ReadOwner);
        UserFolder::prepare(source_, target_);
        for (const auto& [relative, bytes] : Shipped) {
            QCOMPARE(get(target_, relative), bytes);
            QVERIFY(QFileInfo(QDir(target_).filePath(relative)).permissions() & QFile::WriteOwner);
        }
    }

    void missingCatalogueIsMadeEmpty() {
        QFile::remove(QDir(source_).filePath(QString::fromLatin1(UserFolder::Catalogue)));
        UserFolder::prepare(source_, target_);
        QCOMPARE(get(target_, QString::fromLatin1(UserFolder::Catalogue)),
                 QByteArray(UserFolder::EmptyCatalogue));
    }

    // Each row: a file, what the user did to it after the first start (empty: nothing),
    // what the next release ships there (empty: the same), and what must be there after
    // the next start.
    void laterStart_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("release");
        QTest::addColumn<QByteArray>("expected");
        const QString catalogue = QString::fromLatin1(UserFolder::Catalogue);
        const QString intro = QStringLiteral("multiple/Introduction.txt");
        const QString picture = QStringLiteral("images/globesm.jpg");
        QTest::newRow("own worksheet kept")
            << QStringLiteral("multiple/Vikings.txt") << QByteArray("vikings") << QByteArray()
            << QByteArray("vikings");
        QTest::newRow("catalogue kept") << catalogue << QByteArray(" 1 \r\n\"Vikings\"\r\n")
                                        << QByteArray() << QByteArray(" 1 \r\n\"Vikings\"\r\n");
        QTest::newRow("catalogue kept on upgrade")
            << catalogue << QByteArray(" 1 \r\n\"Vikings\"\r\n") << QByteArray(" 0 \r\n\r\n")
            << QByteArray(" 1 \r\n\"Vikings\"\r\n");
        QTest::newRow("removed catalogue made again")
            << catalogue << QByteArray("<remove>") << QByteArray() << QByteArray(" 0 \r\n");
        QTest::newRow("built-in worksheet refreshed")
            << intro << QByteArray() << QByteArray("introduction 2")
            << QByteArray("introduction 2");
        QTest::newRow("teacher's worksheet of a built-in name kept")
            << intro << QByteArray("my introduction") << QByteArray("introduction 2")
            << QByteArray("my introduction");
        QTest::newRow("picture refreshed")
            << picture << QByteArray() << QByteArray("globe 2") << QByteArray("globe 2");
        QTest::newRow("changed picture put right")
            << picture << QByteArray("scribbled") << QByteArray() << QByteArray("globe 1");
        QTest::newRow("removed picture put back")
            << picture << QByteArray("<remove>") << QByteArray() << QByteArray("globe 1");
        QTest::newRow("new file of a release added")
            << QStringLiteral("wmf/guide5.wmf") << QByteArray() << QByteArray("guide 5")
            << QByteArray("guide 5");
    }

    void laterStart() {
        QFETCH(QString, file);
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, release);
        QFETCH(QByteArray, expected);
        UserFolder::prepare(source_, target_);
        if (user == "<remove>")
            QVERIFY(QFile::remove(QDir(target_).filePath(file)));
        else if (!user.isEmpty())
            put(target_, file, user);
        if (!release.isEmpty())
            put(source_, file, release);
        UserFolder::prepare(source_, target_);
        QCOMPARE(get(target_, file), expected);
        // A start after that changes nothing more.
        UserFolder::prepare(source_, target_);
        QCOMPARE(get(target_, file), expected);
    }

    // Without a trustworthy record nobody can tell an untouched built-in worksheet from a
    // teacher's edit of it, so it is kept; pictures and pages are still brought up to date.
    void damagedRecordKeepsBuiltInWorksheets() {
        const QString intro = QStringLiteral("multiple/Introduction.txt");
        const QString picture = QStringLiteral("images/globesm.jpg");
        UserFolder::prepare(source_, target_);
        const QByteArray before = get(target_, intro);
        put(target_, QString::fromLatin1(UserFolder::Record), QByteArray("\x01garbage\tno\n\t\t"));
        put(source_, intro, QByteArray("introduction 2"));
        put(source_, picture, QByteArray("globe 2"));
        UserFolder::prepare(source_, target_);
        QCOMPARE(get(target_, intro), before);
        QCOMPARE(get(target_, picture), QByteArray("globe 2"));
    }

    void folderThatWasThereBeforeKeepsItsWorksheets() {
        put(target_, QStringLiteral("multiple/Introduction.txt"), "written here first");
        UserFolder::prepare(source_, target_);
        QCOMPARE(get(target_, QStringLiteral("multiple/Introduction.txt")),
                 QByteArray("written here first"));
        QCOMPARE(get(target_, QStringLiteral("images/globesm.jpg")), QByteArray("globe 1"));
    }

    // A node planted in a shared folder is neither written through nor waited on, and every
    // other file is still brought up to date. The alarm fails a start that hangs.
    void plantedNodesLeftAlone_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("node");
        QTest::newRow("picture: link to a file elsewhere") << "images/globesm.jpg"
                                                           << "elsewhere";
        QTest::newRow("picture: link to /dev/zero") << "images/globesm.jpg"
                                                    << "/dev/zero";
        QTest::newRow("picture: FIFO") << "images/globesm.jpg"
                                       << "fifo";
        QTest::newRow("record: FIFO") << QString::fromLatin1(UserFolder::Record) << "fifo";
        QTest::newRow("worksheets' folder: link elsewhere") << "multiple"
                                                            << "elsewhere-folder";
    }
    void plantedNodesLeftAlone() {
        QFETCH(QString, file);
        QFETCH(QString, node);
        UserFolder::prepare(source_, target_);
        put(source_, QStringLiteral("wav/click.wav"), "click 2");
        put(source_, QStringLiteral("images/globesm.jpg"), "globe 2");
        put(source_, QStringLiteral("multiple/Introduction.txt"), "introduction 2");
        const QString path = QDir(target_).filePath(file);
        const QString elsewhere = root_.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QFile::remove(path) || QDir(path).removeRecursively());
        const bool folder = node == "elsewhere-folder";
        const QString theirs = folder ? elsewhere + QStringLiteral("/Introduction.txt") : elsewhere;
        put(QFileInfo(theirs).path(), QFileInfo(theirs).fileName(), "someone else's");
        if (node == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(node.startsWith("elsewhere") ? elsewhere : node, path));
        ::alarm(20);
        UserFolder::prepare(source_, target_);
        ::alarm(0);
        QCOMPARE(QFileInfo(path).isSymLink(), node != "fifo");
        QCOMPARE(get(target_, QStringLiteral("wav/click.wav")), QByteArray("click 2"));
        QCOMPARE(get(QFileInfo(theirs).path(), QFileInfo(theirs).fileName()),
                 QByteArray("someone else's"));
        QVERIFY(!QFileInfo::exists(elsewhere + QStringLiteral("/track.txt")));
    }

    void unwritableTargetFailsWithItsName() {
        // A file where the folder should be stops even a superuser.
        put(root_.path(), QStringLiteral("home/blocked"), "a file");
        const QString blocked = root_.filePath(QStringLiteral("home/blocked/orvelles"));
        try {
            UserFolder::prepare(source_, blocked);
            QFAIL("no failure reported");
        } catch (const FileAccessError& e) {
            QVERIFY2(QString::fromStdString(e.what()).contains(blocked), e.what());
        }
    }

    void settleRunsFromInstalledContentWhenFolderCannotBeMade() {
        put(root_.path(), QStringLiteral("home/blocked"), "a file");
        const QString blocked = root_.filePath(QStringLiteral("home/blocked"));
        const auto place = UserFolder::settle(
            source_, environment({QStringLiteral("ORVELLES_FOLDER=") + blocked}));
        QCOMPARE(place.workingFolder, source_);
        QVERIFY(place.problem.contains(QDir::toNativeSeparators(blocked)));
        QVERIFY(place.problem.contains(QStringLiteral("ORVELLES_FOLDER")));
    }

    void settleUsesReadOnlySharedFolderAsItIs() {
        // A folder whose record is a folder cannot be brought up to date, as on a share
        // mounted read-only; its catalogue is still there to read.
        const QString shared = root_.filePath(QStringLiteral("share-ro"));
        put(shared, QString::fromLatin1(UserFolder::Catalogue), " 1 \r\n\"Vikings\"\r\n");
        QVERIFY(QDir().mkpath(QDir(shared).filePath(QString::fromLatin1(UserFolder::Record))));
        const auto place =
            UserFolder::settle(source_, environment({QStringLiteral("ORVELLES_FOLDER=") + shared}));
        QCOMPARE(place.workingFolder, shared);
        QVERIFY(place.problem.isEmpty());
        QCOMPARE(get(shared, QString::fromLatin1(UserFolder::Catalogue)),
                 QByteArray(" 1 \r\n\"Vikings\"\r\n"));
    }

    void settleFromInstall() {
        const auto place = UserFolder::settle(
            source_,
            environment({QStringLiteral("HOME=") + root_.filePath(QStringLiteral("home"))}));
        QCOMPARE(place.workingFolder, target_);
        QVERIFY(place.problem.isEmpty());
        QCOMPARE(get(target_, QStringLiteral("wav/click.wav")), QByteArray("click 1"));
    }

    void settleFromBuildTree_data() {
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<QString>("expected");
        QTest::newRow("stays") << QStringList{QStringLiteral("HOME=/home/pupil")} << QString();
        QTest::newRow("shared folder as it is")
            << QStringList{QStringLiteral("ORVELLES_FOLDER=/srv/school")}
            << QStringLiteral("/srv/school");
    }

    void settleFromBuildTree() {
        QFETCH(QStringList, env);
        QFETCH(QString, expected);
        const auto place =
            UserFolder::settle(root_.filePath(QStringLiteral("nothing")), environment(env));
        QCOMPARE(place.workingFolder, expected);
        QVERIFY(place.problem.isEmpty());
        QVERIFY(!QFileInfo::exists(target_));
    }

    void folderFor_data() {
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<QString>("expected");
        const QString home = QStringLiteral("HOME=/home/pupil");
        QTest::newRow("default") << QStringList{home}
                                 << QStringLiteral("/home/pupil/.local/share/orvelles");
        QTest::newRow("XDG_DATA_HOME") << QStringList{home, QStringLiteral("XDG_DATA_HOME=/data")}
                                       << QStringLiteral("/data/orvelles");
        QTest::newRow("relative XDG_DATA_HOME ignored")
            << QStringList{home, QStringLiteral("XDG_DATA_HOME=data")}
            << QStringLiteral("/home/pupil/.local/share/orvelles");
        QTest::newRow("shared folder wins")
            << QStringList{home, QStringLiteral("XDG_DATA_HOME=/data"),
                           QStringLiteral("ORVELLES_FOLDER=/mnt/school/orvelles")}
            << QStringLiteral("/mnt/school/orvelles");
    }

    void folderFor() {
        QFETCH(QStringList, env);
        QFETCH(QString, expected);
        QCOMPARE(UserFolder::folderFor(environment(env)), expected);
    }
};

QTEST_GUILESS_MAIN(tst_UserFolder)
#include "tst_userfolder.moc"
