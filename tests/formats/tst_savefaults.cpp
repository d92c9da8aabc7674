// Every step of every file replacement made to fail in turn, and a full disk at every byte:
// the file that was there before must survive byte for byte, with nothing left beside it.
#include "formats/Catalogue.h"
#include "formats/Errors.h"
#include "formats/QuestionFile.h"

#include "support/FaultyDisk.h"
#include "support/TempContent.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QTest>
#include <csignal>
#include <functional>

namespace {

const QString Track = QStringLiteral("multiple/track.txt");
const QString Sheet = QStringLiteral("multiple/Castles.txt");
const QByteArray catalogue = " 3 \r\nTudors\r\nVikings, Saxons\r\nCh\xE2teau\r\n";

WorksheetContent worksheet() {
    WorksheetContent sheet;
    sheet.title = QStringLiteral("Castles");
    for (int q = 0; q < 10; ++q) {
        sheet.questions[q].text = QStringLiteral("Who built castle %1, and why?").arg(q + 1);
        sheet.questions[q].answers = {"Normans", "Romans", "Tudors", "Nobody"};
        sheet.questions[q].correct = q % 4 + 1;
    }
    return sheet;
}

QStringList listed(const CatalogueState& state) {
    QStringList names;
    for (int k = 1; k <= state.WorksheetCount; ++k)
        names << state.WorksheetNames[k];
    return names;
}

struct Save {
    QString file;
    QByteArray before;
    std::function<void(CatalogueState&)> run;
};

Save saveNamed(const QString& name) {
    if (name == "add name")
        return {Track, catalogue, [](CatalogueState& s) { trackworksheets(Track, "Castles", s); }};
    if (name == "remove name")
        return {Track, catalogue, [](CatalogueState& s) {
                    s.SelectedWorksheet = QStringLiteral("Tudors");
                    delworksheet(Track, s);
                }};
    return {Sheet, "an earlier Castles worksheet\r\n",
            [](CatalogueState&) { writeQuestionFile(Sheet, worksheet()); }};
}

struct Outcome {
    bool threw = false;
    QByteArray after;
    QStringList files;
    QStringList names;
};

Outcome runWith(const Save& save, int failAt, qint64 written) {
    TempContent content;
    content.write(Track, catalogue);
    if (save.file != Track)
        content.write(save.file, save.before);
    CatalogueState state;
    ReadCatalogue(Track, state);
    Outcome outcome;
    {
        FaultyDisk disk(failAt, written);
        try {
            save.run(state);
        } catch (const FileAccessError&) {
            outcome.threw = true;
        }
    }
    outcome.after = content.read(save.file);
    outcome.files = QDir("multiple").entryList(QDir::Files | QDir::Hidden, QDir::Name);
    outcome.names = listed(state);
    return outcome;
}

// The number of steps a fault-free save takes, and the bytes it writes.
std::pair<int, qsizetype> stepsOf(const Save& save) {
    TempContent content;
    content.write(Track, catalogue);
    CatalogueState state;
    FaultyDisk counter(-1);
    save.run(state);
    return {counter.steps(), content.read(save.file).size()};
}

// The steps of a replacement, with the program killed outright at one of them; at the write,
// after part of the new file has reached the disk.
class DyingDisk : public ReplaceSteps {
public:
    explicit DyingDisk(int dieAt) : dieAt_(dieAt) { ReplaceSteps::use(this); }
    bool open(QSaveFile& file) override { return maybeDie() && ReplaceSteps::open(file); }
    qint64 write(QSaveFile& file, const QByteArray& bytes) override {
        if (taken_ == dieAt_) {
            ReplaceSteps::write(file, bytes.left(bytes.size() / 2));
            ReplaceSteps::flush(file);
        }
        return maybeDie() ? ReplaceSteps::write(file, bytes) : -1;
    }
    bool flush(QSaveFile& file) override { return maybeDie() && ReplaceSteps::flush(file); }
    bool commit(QSaveFile& file) override { return maybeDie() && ReplaceSteps::commit(file); }

private:
    bool maybeDie() {
        if (taken_++ == dieAt_)
            std::raise(SIGKILL);
        return true;
    }
    int dieAt_;
    int taken_ = 0;
};

// Run as a copy of the program that dies while it saves: adds "Castles" to the catalogue in
// the working folder, or writes the Castles worksheet.
int dieWhileSaving(const QString& what, int dieAt) {
    DyingDisk disk(dieAt);
    CatalogueState state;
    saveNamed(what).run(state);
    return 0;
}

} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void everyStepFails_data();
    void everyStepFails();
    void diskFullAtEveryByte_data();
    void diskFullAtEveryByte();
    void withoutFaultsTheSaveHappens_data();
    void withoutFaultsTheSaveHappens();
    void copyKilledWhileSaving_data();
    void copyKilledWhileSaving();
};

void TestSaveFaults::everyStepFails_data() {
    QTest::addColumn<QString>("save");
    for (const char* save : {"add name", "remove name", "question file"})
        QTest::newRow(save) << save;
}

void TestSaveFaults::everyStepFails() {
    QFETCH(QString, save);
    const Save operation = saveNamed(save);
    const int steps = stepsOf(operation).first;
    QCOMPARE(steps, 4);
    for (int failAt = 0; failAt < steps; ++failAt) {
        const Outcome outcome = runWith(operation, failAt, 0);
        QVERIFY2(outcome.threw, qPrintable(QString::number(failAt)));
        QCOMPARE(outcome.after, operation.before);
        // Neither a half-written temporary file nor the lock is left behind.
        QCOMPARE(outcome.files.size(), save == "question file" ? 2 : 1);
        QCOMPARE(outcome.names, (QStringList{"Tudors", "Vikings, Saxons", u"Ch\u00E2teau"_qs}));
    }
}

void TestSaveFaults::diskFullAtEveryByte_data() {
    everyStepFails_data();
}

void TestSaveFaults::diskFullAtEveryByte() {
    QFETCH(QString, save);
    const Save operation = saveNamed(save);
    const qsizetype size = stepsOf(operation).second;
    QVERIFY(size > 20);
    const int writeStep = 1;
    for (qint64 fitted = 0; fitted < size; ++fitted) {
        const Outcome outcome = runWith(operation, writeStep, fitted);
        QVERIFY2(outcome.threw, qPrintable(QString::number(fitted)));
        QCOMPARE(outcome.after, operation.before);
        QCOMPARE(outcome.files.size(), save == "question file" ? 2 : 1);
    }
}

void TestSaveFaults::withoutFaultsTheSaveHappens_data() {
    QTest::addColumn<QString>("save");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("add name")
        << "add name"
        << QByteArray(" 4 \r\nTudors\r\nVikings, Saxons\r\nCh\xE2teau\r\nCastles\r\n");
    QTest::newRow("remove name") << "remove name"
                                 << QByteArray(" 2 \r\nVikings, Saxons\r\nCh\xE2teau\r\n");
    QTest::newRow("question file") << "question file" << questionFileBytes(worksheet());
}

// The same runs with the fault placed past the last step: the injection itself changes nothing.
void TestSaveFaults::withoutFaultsTheSaveHappens() {
    QFETCH(QString, save);
    QFETCH(QByteArray, after);
    const Save operation = saveNamed(save);
    const Outcome outcome = runWith(operation, 4, 0);
    QVERIFY(!outcome.threw);
    QCOMPARE(outcome.after, after);
    QCOMPARE(outcome.files.size(), save == "question file" ? 2 : 1);
}

void TestSaveFaults::copyKilledWhileSaving_data() {
    QTest::addColumn<QString>("save");
    QTest::addColumn<int>("dieAt");
    for (const char* save : {"add name", "question file"})
        for (int step = 0; step < 4; ++step)
            QTest::addRow("%s, step %d", save, step) << save << step;
}

// The program is killed in the middle of a save: the earlier file survives whole, and the
// next copy to save finds the folder usable, the dead copy's lock no obstacle.
void TestSaveFaults::copyKilledWhileSaving() {
    QFETCH(QString, save);
    QFETCH(int, dieAt);
    const Save operation = saveNamed(save);
    TempContent content;
    content.write(Track, catalogue);
    if (operation.file != Track)
        content.write(operation.file, operation.before);
    QProcess copy;
    copy.setWorkingDirectory(content.path());
    copy.start(QCoreApplication::applicationFilePath(),
               {"--die-while-saving", save, QString::number(dieAt)});
    QVERIFY(copy.waitForFinished(60000));
    QCOMPARE(copy.exitStatus(), QProcess::CrashExit);
    QCOMPARE(content.read(operation.file), operation.before);
    CatalogueState state;
    operation.run(state);
    QVERIFY(content.read(operation.file) != operation.before);
    QVERIFY(!content.exists(Track + ".lock"));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--die-while-saving")
        return dieWhileSaving(args[2], args[3].toInt());
    TestSaveFaults test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_savefaults.moc"
