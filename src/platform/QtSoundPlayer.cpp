#include "platform/QtSoundPlayer.h"

#include "platform/ContentPath.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QWaveDecoder>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// How often a stream is topped up.
constexpr int FeedIntervalMs = 10;
// A stream that takes nothing for this long is given up.
constexpr int StallLimitMs = 2000;
// Used when a stream does not report its buffer size.
constexpr int FallbackBufferMs = 250;
// Time allowed for the server to play what it has taken from a stream before the stream is
// closed: closing drops whatever the server still holds.
constexpr int DrainMarginMs = 150;
// Time allowed after a stream has run dry before it is closed; see Stream::feed.
constexpr int UnderrunSettleMs = 500;

QtMessageHandler previousHandler = nullptr;

void dropAudioServiceNoise(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

// The default output, or a null device when there is none. On a machine without a sound server
// Qt's first look for one prints a connection failure; that is the ordinary silent case here.
QAudioDevice defaultOutput() {
    static bool probed = false;
    if (probed)
        return QMediaDevices::defaultAudioOutput();
    probed = true;
    previousHandler = qInstallMessageHandler(dropAudioServiceNoise);
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previousHandler);
    return device;
}

} // namespace

// One request's output: the sound, then silence, written to a stream of its own as fast as the
// stream takes them, until the sound has played out. Writing on through silence matters three
// ways: the server holds a new stream back until it has a buffer's worth, which a click alone
// never fills; once the server has taken a buffer's worth after the sound, it has taken the whole
// sound; and a stream that never runs dry never starts the server-side drain that Qt 6.4 answers
// on the sink after it may have been deleted.
class QtSoundPlayer::Stream : public QObject {
public:
    Stream(const QAudioDevice& device, const Sound& sound, QObject* parent)
        : QObject(parent), samples_(sound.samples),
          sink_(new QAudioSink(device, sound.format, this)) {
        feeder_.setInterval(FeedIntervalMs);
        connect(&feeder_, &QTimer::timeout, this, [this] { feed(); });
        closer_.setSingleShot(true);
        connect(&closer_, &QTimer::timeout, this, [this] { finish(); });
    }

    // Starts the sound; `done` is called once it has played out or the stream has failed. False
    // when no stream could be opened.
    bool start(std::function<void()> done) {
        output_ = sink_->start();
        if (!output_)
            return false;
        done_ = std::move(done);
        connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::StoppedState)
                finish();
        });
        const QAudioFormat format = sink_->format();
        const qsizetype buffer = sink_->bufferSize() > 0
                                     ? sink_->bufferSize()
                                     : format.bytesForDuration(FallbackBufferMs * 1000);
        const char silent = format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0';
        silence_ = QByteArray(
            std::max<qsizetype>(buffer - buffer % format.bytesPerFrame(), format.bytesPerFrame()),
            silent);
        feed();
        feeder_.start();
        return true;
    }

    void stop() {
        feeder_.stop();
        closer_.stop();
        sink_->disconnect(this);
        sink_->stop();
    }

private:
    void feed() {
        const qsizetype frame = sink_->format().bytesPerFrame();
        const qsizetype room = sink_->bytesFree() / frame * frame;
        // A stream with nothing queued has run dry, and the server is draining it; the stream
        // must outlive that drain.
        if (written_ > 0 && room >= silence_.size() && closer_.isActive())
            closer_.start(UnderrunSettleMs);
        const qsizetype before = written_;
        while (written_ - before < room && write(room - (written_ - before)) > 0) {
        }
        stalledMs_ = written_ == before ? stalledMs_ + FeedIntervalMs : 0;
        if (stalledMs_ >= StallLimitMs) {
            finish();
            return;
        }
        // The server holds at most a buffer's worth, so by now it has taken the whole sound.
        if (!played_ && written_ >= samples_.size() + silence_.size()) {
            played_ = true;
            closer_.start(DrainMarginMs);
        }
    }

    // Writes up to `limit` bytes of the sound or, after it, of silence; returns how many.
    qint64 write(qsizetype limit) {
        const char* from;
        qsizetype length;
        if (written_ < samples_.size()) {
            from = samples_.constData() + written_;
            length = samples_.size() - written_;
        } else {
            const qsizetype offset = (written_ - samples_.size()) % silence_.size();
            from = silence_.constData() + offset;
            length = silence_.size() - offset;
        }
        const qint64 taken = output_->write(from, std::min(length, limit));
        if (taken > 0)
            written_ += taken;
        return taken;
    }

    void finish() {
        feeder_.stop();
        closer_.stop();
        if (done_)
            std::exchange(done_, nullptr)();
    }

    QByteArray samples_;
    QByteArray silence_;
    QAudioSink* sink_;
    QIODevice* output_ = nullptr;
    QTimer feeder_;
    QTimer closer_;
    qsizetype written_ = 0;
    int stalledMs_ = 0;
    bool played_ = false;
    std::function<void()> done_;
};

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {
    loader_.setMaxThreadCount(1);
}

QtSoundPlayer::~QtSoundPlayer() {
    closing_ = true;
    // Loads post their results to this object, so none may still be running or queued.
    loader_.waitForDone();
    QCoreApplication::removePostedEvents(this);
    outputs_.clear();
    const QObjectList children = this->children();
    for (QObject* child : children) {
        if (auto* stream = dynamic_cast<Stream*>(child)) {
            stream->stop();
            delete stream;
        }
    }
}

void QtSoundPlayer::PlaySound(const QString& fileName) {
    if (closing_)
        return;
    const QFileInfo info(ContentPath::resolve(fileName));
    if (!info.isFile())
        return;
    const QString path = info.absoluteFilePath();
    auto it = sounds_.find(path);
    if (it == sounds_.end() || it->modified != info.lastModified() || it->size != info.size()) {
        Entry entry;
        entry.modified = info.lastModified();
        entry.size = info.size();
        entry.playWhenReady = true;
        it = sounds_.insert(path, entry);
        load(path, entry.modified, entry.size);
    } else if (it->state == SoundState::Loading) {
        it->playWhenReady = true;
    } else if (it->state == SoundState::Ready) {
        start(it->sound);
    }
    it->lastUse = ++useCount_;
    trimCache();
}

QtSoundPlayer::SoundState QtSoundPlayer::soundState(const QString& fileName) const {
    const QFileInfo info(ContentPath::resolve(fileName));
    if (!info.isFile())
        return SoundState::Unknown;
    const auto it = sounds_.constFind(info.absoluteFilePath());
    return it == sounds_.cend() ? SoundState::Unknown : it->state;
}

std::optional<QtSoundPlayer::Sound> QtSoundPlayer::decode(const QString& path) {
    QFile file(path);
    if (file.size() > MaxFileBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QWaveDecoder decoder(&file);
    if (!decoder.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QAudioFormat format = decoder.audioFormat();
    if (!format.isValid() || format.bytesPerFrame() <= 0)
        return std::nullopt;
    // The declared data size, when there is one, keeps trailing chunks from being played as noise.
    const qint64 declared = decoder.size();
    QByteArray samples =
        declared > 0 ? decoder.read(std::min(declared, file.size())) : decoder.readAll();
    samples.truncate(samples.size() - samples.size() % format.bytesPerFrame());
    if (samples.isEmpty())
        return std::nullopt;
    return Sound{format, samples};
}

void QtSoundPlayer::load(const QString& path, const QDateTime& modified, qint64 size) {
    loader_.start([this, path, modified, size] {
        const std::optional<Sound> sound = decode(path);
        QMetaObject::invokeMethod(
            this, [this, path, modified, size, sound] { finishLoad(path, modified, size, sound); },
            Qt::QueuedConnection);
    });
}

void QtSoundPlayer::finishLoad(const QString& path, const QDateTime& modified, qint64 size,
                               const std::optional<Sound>& sound) {
    if (closing_)
        return;
    const auto it = sounds_.find(path);
    // A result for a file that has changed since, or been dropped from the cache, is stale.
    if (it == sounds_.end() || it->state != SoundState::Loading || it->modified != modified ||
        it->size != size)
        return;
    if (!sound) {
        it->state = SoundState::Unplayable;
        return;
    }
    it->state = SoundState::Ready;
    it->sound = *sound;
    if (std::exchange(it->playWhenReady, false))
        start(it->sound);
}

void QtSoundPlayer::start(const Sound& sound) {
    const QAudioDevice device = defaultOutput();
    if (device.isNull() || !device.isFormatSupported(sound.format))
        return;
    while (outputs_.size() >= MaxLiveOutputs)
        retire(outputs_.constFirst());

    auto* stream = new Stream(device, sound, this);
    outputs_.append(stream);
    if (!stream->start([this, stream] { retire(stream); }))
        retire(stream);
}

void QtSoundPlayer::retire(Stream* stream) {
    if (!outputs_.removeOne(stream))
        return;
    stream->stop();
    // Usually called from the stream's own timer or signal, so it cannot be deleted here.
    stream->deleteLater();
}

void QtSoundPlayer::trimCache() {
    while (sounds_.size() > MaxCachedSounds) {
        const auto oldest =
            std::min_element(sounds_.begin(), sounds_.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        sounds_.erase(oldest);
    }
}
