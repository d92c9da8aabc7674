// Makes the program's own content: question files, pictures, logo frames and the dry sounds
// (which generate.sh finishes with sox). Usage:
//   makecontent <content folder> <quiz source folder> <folder for dry sounds>
#include "GifWriter.h"
#include "Pictures.h"
#include "QuizSource.h"
#include "Sounds.h"
#include "TextFit.h"
#include "formats/Errors.h"
#include "formats/QuestionFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QStringList failures;

void fail(const QString& what) {
    failures << what;
    std::fprintf(stderr, "makecontent: %s\n", qPrintable(what));
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

void makeQuiz(const QString& sourcePath, const QString& targetPath) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1").arg(sourcePath));
        return;
    }
    QStringList problems;
    const quiz::Worksheet worksheet =
        quiz::parseSource(QString::fromUtf8(source.readAll()), problems);
    problems << quiz::check(worksheet) << fit::checkQuiz(worksheet);
    for (const QString& problem : problems)
        fail(sourcePath + ": " + problem);
    if (!problems.isEmpty())
        return;
    try {
        writeBytes(targetPath, questionFileBytes(quiz::toContent(worksheet)));
    } catch (const FormatError& error) {
        fail(sourcePath + ": " + QString::fromUtf8(error.what()));
    }
}

void savePicture(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (!image.save(path, format, quality))
        fail(QStringLiteral("cannot save %1").arg(path));
}

QImage halved(QImage (*draw)(QSize), QSize size) {
    return draw(size * 2).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage richPoorThumbnail(QSize size) {
    return pictures::richPoor(size, 0.86);
}

void makePictures(const QDir& images) {
    constexpr int quality = 92;
    savePicture(pictures::globe({270, 230}), images.filePath("globesm.jpg"), "JPG", quality);
    savePicture(pictures::palace({760, 464}), images.filePath("orvelles.jpg"), "JPG", quality);
    savePicture(halved(pictures::palace, {273, 169}), images.filePath("orvellessm.jpg"), "JPG",
                quality);
    savePicture(pictures::richPoor({778, 325}), images.filePath("richpoor.jpg"), "JPG", quality);
    savePicture(halved(richPoorThumbnail, {273, 169}), images.filePath("richandpoorsm.jpg"), "JPG",
                quality);
    savePicture(pictures::family(), images.filePath("familymd.jpg"), "JPG", quality);
    savePicture(pictures::ship({760, 440}), images.filePath("ships.jpg"), "JPG", quality);
    savePicture(halved(pictures::ship, {273, 169}), images.filePath("shipssm.jpg"), "JPG", quality);
    savePicture(pictures::shipLabelling(), images.filePath("shiplab.jpg"), "JPG", quality);
}

void makeLogo(const QDir& logo) {
    savePicture(pictures::makerLogo(), logo.filePath("quenart2.bmp"), "BMP");
    constexpr int frames = 20;
    QList<QImage> all;
    for (int i = 0; i < frames; ++i)
        all << pictures::logoFrame(i, frames);
    const QList<QRgb> palette = gif::medianCutPalette(all, 256);
    for (int i = 0; i < frames; ++i) {
        const QString name = QStringLiteral("quen%1.gif").arg(i, 4, 10, QLatin1Char('0'));
        if (!gif::write(logo.filePath(name), gif::toIndexed(all[i], palette)))
            fail(QStringLiteral("cannot write %1").arg(name));
    }
}

void checkCaptions() {
    for (const QString& problem : pictures::checkBoardCaptions() + pictures::checkShipBoxes())
        fail(problem);
}

// The manifest tells generate.sh how to finish each sound: room, padding for the room's tail,
// and the cut that keeps every sound under three seconds.
void makeSounds(const QDir& dry) {
    QFile manifest(dry.filePath("manifest.txt"));
    if (!manifest.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        fail(QStringLiteral("cannot write the sound manifest"));
        return;
    }
    QTextStream out(&manifest);
    for (const sounds::Sound& sound : sounds::all()) {
        const synth::Buffer buffer = sound.make();
        const double seconds = double(buffer.size()) / synth::rate;
        if (!synth::writeFloatWav(dry.filePath(sound.name), buffer))
            fail(QStringLiteral("cannot write %1").arg(sound.name));
        const double tail = std::max(0.0, std::min(sound.tail, 2.9 - seconds));
        QString effects;
        if (!sound.soxEffects.isEmpty())
            effects = QStringLiteral("pad 0 %1 %2").arg(tail, 0, 'f', 2).arg(sound.soxEffects);
        if (seconds + tail > 2.9)
            effects += QStringLiteral(" trim 0 2.9");
        out << sound.name << '\t' << effects.trimmed() << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: makecontent <content> <quiz sources> <dry sounds>\n");
        return 2;
    }
    const QDir content(QString::fromLocal8Bit(argv[1]));
    const QDir quizSources(QString::fromLocal8Bit(argv[2]));
    const QDir dry(QString::fromLocal8Bit(argv[3]));
    for (const char* folder : {"multiple", "images", "logo", "wav"})
        content.mkpath(folder);
    dry.mkpath(".");
    if (!fit::hasCaptionFace())
        std::fprintf(stderr, "makecontent: DejaVu Sans Condensed not found, captions measured "
                             "with DejaVu Sans\n");

    writeBytes(content.filePath("multiple/track.txt"), " 0 \r\n");
    makeQuiz(quizSources.filePath("introduction.txt"),
             content.filePath("multiple/Introduction.txt"));
    makeQuiz(quizSources.filePath("rich-and-poor.txt"),
             content.filePath("multiple/Rich and Poor.txt"));
    makeQuiz(quizSources.filePath("ships-and-explorers.txt"),
             content.filePath("multiple/Ships and Explorers.txt"));
    checkCaptions();
    makePictures(QDir(content.filePath("images")));
    makeLogo(QDir(content.filePath("logo")));
    makeSounds(dry);
    return failures.isEmpty() ? 0 : 1;
}
