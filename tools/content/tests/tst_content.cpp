// Checks the generated content folder against what the program expects of it, so a rerun of
// the generator that breaks a size, a format or a sound's length is caught.
#include "Pictures.h"
#include "QuizSource.h"
#include "Sounds.h"
#include "formats/QuestionFile.h"

#include <QDataStream>
#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

QString contentPath(const QString& relative) {
    return QStringLiteral(CONTENT_TOOL_DIR "/../../content/") + relative;
}

struct Wav {
    bool pcm = false;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    double seconds = 0;
    double peakDb = -999;
};

Wav readWav(const QString& path) {
    Wav wav;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return wav;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return wav;
    qsizetype at = 12;
    QByteArray data;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        QDataStream in(bytes.mid(at + 4, 4));
        in.setByteOrder(QDataStream::LittleEndian);
        quint32 size = 0;
        in >> size;
        const QByteArray body = bytes.mid(at + 8, size);
        if (id == "fmt ") {
            QDataStream f(body);
            f.setByteOrder(QDataStream::LittleEndian);
            quint16 format = 0, channels = 0, align = 0, bits = 0;
            quint32 rate = 0, byteRate = 0;
            f >> format >> channels >> rate >> byteRate >> align >> bits;
            wav.pcm = format == 1;
            wav.channels = channels;
            wav.rate = int(rate);
            wav.bits = bits;
        } else if (id == "data") {
            data = body;
        }
        at += 8 + size + (size % 2);
    }
    if (wav.bits != 16 || wav.channels == 0 || wav.rate == 0)
        return wav;
    const auto* samples = reinterpret_cast<const qint16*>(data.constData());
    const qsizetype count = data.size() / 2;
    int top = 0;
    for (qsizetype i = 0; i < count; ++i)
        top = std::max(top, std::abs(int(qFromLittleEndian(samples[i]))));
    wav.seconds = double(count) / wav.channels / wav.rate;
    wav.peakDb = 20 * std::log10(std::max(1, top) / 32768.0);
    return wav;
}

} // namespace

class TestContent : public QObject {
    Q_OBJECT
private slots:
    void catalogueStartsEmpty() {
        QFile track(contentPath("multiple/track.txt"));
        QVERIFY(track.open(QIODevice::ReadOnly));
        QCOMPARE(track.readAll(), QByteArray(" 0 \r\n"));
    }

    void quizFilesMatchTheirSources_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::newRow("introduction") << "introduction.txt"
                                      << "multiple/Introduction.txt";
        QTest::newRow("rich and poor") << "rich-and-poor.txt"
                                       << "multiple/Rich and Poor.txt";
        QTest::newRow("ships and explorers") << "ships-and-explorers.txt"
                                             << "multiple/Ships and Explorers.txt";
    }
    void quizFilesMatchTheirSources() {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFile in(QStringLiteral(CONTENT_TOOL_DIR "/quiz/") + source);
        QFile out(contentPath(target));
        QVERIFY(in.open(QIODevice::ReadOnly));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QStringList errors;
        const auto sheet = quiz::parseSource(QString::fromUtf8(in.readAll()), errors);
        QVERIFY(errors.isEmpty());
        const QByteArray bytes = out.readAll();
        QCOMPARE(bytes, questionFileBytes(quiz::toContent(sheet)));
        QCOMPARE(bytes.count("\r\n"), 72);
    }

    void picturesHaveTheirSizes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("globe") << "images/globesm.jpg" << QByteArray("jpeg") << QSize(270, 230);
        QTest::newRow("topic") << "images/orvelles.jpg" << QByteArray("jpeg") << QSize(760, 464);
        QTest::newRow("topic small")
            << "images/orvellessm.jpg" << QByteArray("jpeg") << QSize(273, 169);
        QTest::newRow("rich and poor")
            << "images/richpoor.jpg" << QByteArray("jpeg") << QSize(778, 325);
        QTest::newRow("rich and poor small")
            << "images/richandpoorsm.jpg" << QByteArray("jpeg") << QSize(273, 169);
        QTest::newRow("family") << "images/familymd.jpg" << QByteArray("jpeg") << QSize(800, 500);
        QTest::newRow("ships") << "images/ships.jpg" << QByteArray("jpeg") << QSize(760, 440);
        QTest::newRow("ships small")
            << "images/shipssm.jpg" << QByteArray("jpeg") << QSize(273, 169);
        QTest::newRow("ship to label")
            << "images/shiplab.jpg" << QByteArray("jpeg") << QSize(800, 408);
        QTest::newRow("maker's logo") << "logo/quenart2.bmp" << QByteArray("bmp") << QSize(120, 89);
        for (int i = 0; i < 20; ++i) {
            const QString name = QStringLiteral("logo/quen%1.gif").arg(i, 4, 10, QLatin1Char('0'));
            QTest::newRow(qPrintable(name)) << name << QByteArray("gif") << QSize(120, 120);
        }
    }
    void picturesHaveTheirSizes() {
        QFETCH(QString, file);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QImageReader reader(contentPath(file));
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    // Each label's caption fits its box, and each of the ship's labels points at its own part.
    void boardsFitTheirCaptionsAndPicture() {
        const QStringList problems = pictures::checkBoardCaptions() + pictures::checkShipBoxes();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QCOMPARE(pictures::shipBoxes().size(), size_t(8));
    }

    void soundsArePlayableAndShort_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("longest");
        for (const auto& sound : sounds::all())
            QTest::newRow(qPrintable(sound.name))
                << sound.name << (sound.name == QStringLiteral("click.wav") ? 0.15 : 3.0);
    }
    void soundsArePlayableAndShort() {
        QFETCH(QString, name);
        QFETCH(double, longest);
        const Wav wav = readWav(contentPath(QStringLiteral("wav/") + name));
        QVERIFY(wav.pcm);
        QCOMPARE(wav.bits, 16);
        QVERIFY(wav.channels == 1 || wav.channels == 2);
        QVERIFY(wav.rate == 22050 || wav.rate == 44100);
        QVERIFY2(wav.seconds > 0.02 && wav.seconds < longest,
                 qPrintable(QString::number(wav.seconds)));
        QVERIFY2(wav.peakDb > -3.6 && wav.peakDb < -2.4, qPrintable(QString::number(wav.peakDb)));
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
