#include "support/TempContent.h"
#include "support/Worksheets.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

// The program itself, as a school's script runs it: what it prints, its exit status and what it
// leaves on disk. A run that does not end in time is a hang, and fails.
namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Through the shell, with every byte written as an octal escape, so that names that are not
// UTF-8 reach the program as they are.
Run run(const QList<QByteArray>& arguments) {
    QString command = QStringLiteral("exec \"$0\"");
    for (const QByteArray& argument : arguments) {
        command += QStringLiteral(" \"$(printf '");
        for (const char byte : argument)
            command += QStringLiteral("\\%1").arg(uint(uchar(byte)), 3, 8, QLatin1Char('0'));
        command += QStringLiteral("')\"");
    }
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({QStringLiteral("-c"), command, QStringLiteral(ORVELLES_PROGRAM)});
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    // A loaded machine with a sanitizer build starts the program slowly; a hang takes for ever.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class tst_CommandLine : public QObject {
    Q_OBJECT

private slots:
    void options_data() {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("says");
        QTest::newRow("--help") << QByteArrayList{"--help"} << 0 << QByteArray("usage: orvelles");
        QTest::newRow("--version") << QByteArrayList{"--version"} << 0 << QByteArray("orvelles 0.");
        QTest::newRow("unknown option")
            << QByteArrayList{"--frobnicate"} << 2 << QByteArray("unknown option --frobnicate");
        QTest::newRow("option with =")
            << QByteArrayList{"--import=in.gift"} << 2 << QByteArray("usage: orvelles");
        QTest::newRow("stray word") << QByteArrayList{"--full-screen", "now"} << 2
                                    << QByteArray("unexpected argument \"now\"");
        QTest::newRow("Qt's option without its value")
            << QByteArrayList{"-platform"} << 2 << QByteArray("needs a value");
        QTest::newRow("worksheet name leaving its folder")
            << QByteArrayList{"--export", "gift", "../../../etc/passwd", "out.gift"} << 1
            << QByteArray("is not the name of a worksheet");
        QTest::newRow("results in another format")
            << QByteArrayList{"--results", "xlsx", "out.gift"} << 2
            << QByteArray("--results takes csv and a file");
        QTest::newRow("results of an empty record")
            << QByteArrayList{"--results", "csv", "out.csv"} << 0 << QByteArray("Wrote 0 entries");
    }
    void options() {
        QFETCH(QByteArrayList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, says);
        TempContent content;
        const Run result = run(arguments);
        QCOMPARE(result.status, status);
        QVERIFY2((result.out + result.err).contains(says), result.out + result.err);
        QVERIFY(!content.exists("out.gift"));
    }

    // A node named as the file to export to is left as it was, and the run fails.
    void exportRefusesNodes_data() {
        QTest::addColumn<QString>("node");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a device") << "device";
        QTest::newRow("link loop") << "loop";
    }
    void exportRefusesNodes() {
        QFETCH(QString, node);
        TempContent content;
        content.write("multiple/Alpha.txt", sampleQuestionFile("Alpha"));
        const QByteArray path = QFile::encodeName(content.path()) + "/out.gift";
        if (node == "fifo")
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else
            QCOMPARE(::symlink(node == "device" ? "/dev/null" : "out.gift", path.constData()), 0);
        struct stat before {};
        QCOMPARE(::lstat(path.constData(), &before), 0);
        const Run result = run({"--export", "gift", "Alpha", path});
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains(path), result.err);
        struct stat after {};
        QCOMPARE(::lstat(path.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        // The import neither waits on the FIFO nor reads the device.
        QCOMPARE(run({"--import", path}).status, 1);
    }

    void namesKeptAsTheirBytes() {
        TempContent content;
        content.write("multiple/Alpha.txt", sampleQuestionFile("Alpha"));
        const QByteArray odd = "na\xefve.gift";
        QCOMPARE(run({"--export", "gift", "Alpha", odd}).status, 0);
        QCOMPARE(::access((QFile::encodeName(content.path()) + '/' + odd).constData(), F_OK), 0);
        const Run listed = run({"--import", odd});
        QCOMPARE(listed.status, 0);
        QVERIFY2(listed.out.contains("10 question(s) fit"), listed.out);
    }

    // Text from the file reaches the terminal without the escapes it held, and every question
    // of a bank larger than a file is read for is counted.
    void reportIsSafeAndWhole() {
        TempContent content;
        QByteArray gift = "$CATEGORY: \x1b]0;owned\x07\x1b[2JSheet\n\n";
        for (int q = 1; q <= 5003; ++q)
            gift += "::Q" + QByteArray::number(q) + ":: Pick? {=a ~b ~c ~d}\n\n";
        content.write("bank.gift", gift);
        const Run listed = run({"--import", "bank.gift"});
        QCOMPARE(listed.status, 0);
        QVERIFY2(!listed.out.contains('\x1b') && !listed.out.contains('\x07'),
                 listed.out.left(200));
        QVERIFY2(listed.out.contains("5000 question(s) fit a worksheet, 3 left out"),
                 listed.out.left(200));
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
