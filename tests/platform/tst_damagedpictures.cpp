// Pictures, pages and logo frames as they arrive damaged: each loads as a usable picture or
// as none, never one larger than allowed, and paints without harm either way.
#include "platform/Picture.h"

#include "support/TempContent.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <atomic>

namespace {

QByteArray projectFile(const QString& relative) {
    QFile file(QStringLiteral(ORVELLES_SOURCE_DIR "/content/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bmp() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void putLittle16(QByteArray& bytes, qsizetype at, quint16 value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
}

void putBig16(QByteArray& bytes, qsizetype at, quint16 value) {
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value & 0xFF);
}

// The same file claiming to be tens of thousands of pixels each way.
QByteArray claimingHuge(QByteArray bytes, const QString& kind) {
    if (kind == "bmp") {
        putLittle16(bytes, 18, 60000);
        putLittle16(bytes, 22, 60000);
    } else if (kind == "gif") {
        putLittle16(bytes, 6, 65535);
        putLittle16(bytes, 8, 65535);
    } else if (kind == "jpg") {
        const qsizetype frame = bytes.indexOf("\xFF\xC0");
        putBig16(bytes, frame + 5, 60000);
        putBig16(bytes, frame + 7, 60000);
    }
    return bytes;
}

QByteArray flipped(QByteArray bytes) {
    for (qsizetype i = 16; i < bytes.size(); i += 97)
        bytes[i] = char(~bytes[i]);
    return bytes;
}

QByteArray noise(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7919 + 13) % 251);
    return bytes;
}

// Whether a damaged file gives a picture: readers that show what arrived of a cut or spoilt
// file may give one, of a sane size.
enum Expect { None, Picture_, Either };

#if defined(__SANITIZE_ADDRESS__)
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));
std::atomic<bool> watching{false};
std::atomic<size_t> largest{0};

void noteAllocation(const volatile void*, size_t size) {
    if (watching && size > largest)
        largest = size;
}

void noteFree(const volatile void*) {}
#endif

} // namespace

class TestDamagedPictures : public QObject {
    Q_OBJECT
private slots:
    void damaged_data();
    void damaged();
    void smallPageAllocatesLittle();
};

void TestDamagedPictures::damaged_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expect");
    const QList<std::pair<QString, QByteArray>> kinds = {{"jpg", projectFile("images/globesm.jpg")},
                                                         {"gif", projectFile("logo/quen0000.gif")},
                                                         {"bmp", bmp()},
                                                         {"wmf", projectFile("wmf/guide1.wmf")}};
    for (const auto& [kind, whole] : kinds) {
        QVERIFY(whole.size() > 100);
        const QString name = "images/picture." + kind;
        const auto row = [&](const char* damage, const QByteArray& bytes, Expect expect) {
            QTest::newRow(qPrintable(kind + ", " + damage)) << name << bytes << int(expect);
        };
        row("whole", whole, Picture_);
        row("missing", QByteArray(), None);
        row("empty", QByteArray(""), None);
        row("header only", whole.left(20), None);
        row("noise", noise(whole.size()), None);
        row("cut in half", whole.left(whole.size() / 2), Either);
        row("bytes flipped", flipped(whole), Either);
        if (kind != "wmf")
            row("claims to be huge", claimingHuge(whole, kind), None);
    }
}

void TestDamagedPictures::damaged() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, expect);
    TempContent content;
    if (!bytes.isNull())
        content.write(name, bytes);
    const Picture picture = Picture::load(name);
    qInfo("%s", picture.isNull() ? "no picture" : "picture");
    if (expect != Either)
        QCOMPARE(picture.isNull(), expect == None);
    if (!picture.isNull()) {
        QVERIFY(picture.sizeTwips().width() <= 8192 * 15);
        QVERIFY(picture.sizeTwips().height() <= 8192 * 15);
    }
    QImage target(120, 90, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    picture.paint(painter, QRectF(0, 0, 120, 90));
    QVERIFY(painter.isActive());
}

// Loading a page of a few kilobytes once set aside the whole 32 MB a metafile may have.
void TestDamagedPictures::smallPageAllocatesLittle() {
#if defined(__SANITIZE_ADDRESS__)
    TempContent content;
    content.write("wmf/page.wmf", projectFile("wmf/guide1.wmf"));
    static const bool hooked = __sanitizer_install_malloc_and_free_hooks(noteAllocation, noteFree);
    QVERIFY(hooked);
    largest = 0;
    watching = true;
    const Picture page = Picture::load(QStringLiteral("wmf\\page.wmf"));
    watching = false;
    QVERIFY(!page.isNull());
    QVERIFY2(largest < 1024 * 1024, qPrintable(QString::number(largest)));
#else
    QSKIP("allocations are watched in the sanitizer build");
#endif
}

QTEST_MAIN(TestDamagedPictures)
#include "tst_damagedpictures.moc"
