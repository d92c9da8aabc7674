#include "support/DamagedContent.h"

#include "support/TempContent.h"
#include "support/Worksheets.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

QByteArray noise(QRandomGenerator& random, int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

// Cycles through the kinds of damage over the files of one folder, so each kind meets each
// folder; files left whole stay that way.
void spoilFolder(const TempContent& content, const QString& folder, QRandomGenerator& random) {
    const QStringList files =
        QDir(content.path() + "/" + folder).entryList(QDir::Files, QDir::Name);
    int kind = 0;
    for (const QString& name : files) {
        const QString path = folder + "/" + name;
        QByteArray bytes = content.read(path);
        switch (kind++ % 6) {
        case 0: // cut short somewhere
            content.write(path, bytes.left(random.bounded(qMax<qsizetype>(1, bytes.size()))));
            break;
        case 1: // only the first few bytes of the header
            content.write(path, bytes.left(random.bounded(40)));
            break;
        case 2: // bytes flipped all through
            for (int i = 0; i < 16 && !bytes.isEmpty(); ++i)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            content.write(path, bytes);
            break;
        case 3: // noise of the same length
            content.write(path, noise(random, int(bytes.size())));
            break;
        case 4: // gone
            QFile::remove(content.path() + "/" + path);
            break;
        default: // whole
            break;
        }
    }
}

} // namespace

void damageContent(const TempContent& content, quint64 seed) {
    QRandomGenerator random(seed);
    for (const char* folder : {"images", "logo", "wmf", "wmf2", "wav"})
        spoilFolder(content, QString::fromLatin1(folder), random);
    content.write("multiple/Introduction.txt", noise(random, 700));
    const QByteArray rich = content.read("multiple/Rich and Poor.txt");
    content.write("multiple/Rich and Poor.txt", rich.left(rich.size() / 2));
    content.write("multiple/Castles.txt", sampleQuestionFile("Castles", "9"));
    content.write("multiple/Quoted.txt", "\"Never closed\r\n" + sampleQuestionFile("Quoted"));
    content.write("multiple/Fine.txt", sampleQuestionFile("Fine"));
    content.write("multiple/track.txt",
                  " 5 \r\nGhost\r\nCastles\r\nQuoted\r\nFine\r\nAlso gone\r\n");
}
