#include "platform/SoundStream.h"

#include <QAudioSink>

#include <algorithm>
#include <climits>

namespace {

// How often the stream is topped up while a sound longer than its buffer is written.
constexpr int FeedIntervalMs = 10;
// Used when the stream does not report its buffer size.
constexpr int FallbackBufferMs = 250;
// Time beyond the sound and its silence after which a stream that has not drained is given up.
constexpr int WatchdogMarginMs = 3000;
// Time a drained sink is kept, since a stream that ran dry more than once has asked for more than
// one drain, and the answers need not come together.
constexpr int DrainedSinkGraceMs = 1000;
// Longest a sink handed over waits for its drain before it is deleted regardless.
constexpr int HandedOverLifetimeMs = 30000;

void deleteAfterGrace(QAudioSink* sink) {
    QTimer::singleShot(DrainedSinkGraceMs, sink, [sink] { sink->deleteLater(); });
}

} // namespace

SoundStream::SoundStream(const QAudioDevice& device, const QAudioFormat& format,
                         const QByteArray& samples, QObject* parent)
    // Without a parent: Qt 6.4 gives the sink's backend the sink's parent, and the sink may have
    // to outlive this object.
    : QObject(parent), samples_(samples), sink_(new QAudioSink(device, format)) {
    feeder_.setInterval(FeedIntervalMs);
    connect(&feeder_, &QTimer::timeout, this, &SoundStream::feed);
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, &SoundStream::finish);
}

SoundStream::~SoundStream() {
    feeder_.stop();
    sink_->disconnect(this);
    QAudioSink* sink = sink_;
    if (!output_ || drained_ || sink->state() == QAudio::StoppedState) {
        deleteAfterGrace(sink);
        return;
    }
    // Nothing more is written, so the stream runs dry soon if it has not already; the sink goes
    // a while after the server has answered the drain that starts.
    connect(
        sink, &QAudioSink::stateChanged, sink,
        [sink](QAudio::State state) {
            if (state != QAudio::ActiveState)
                deleteAfterGrace(sink);
        },
        Qt::SingleShotConnection);
    QTimer::singleShot(HandedOverLifetimeMs, sink, [sink] { sink->deleteLater(); });
}

bool SoundStream::start() {
    output_ = sink_->start();
    if (!output_)
        return false;
    connect(sink_, &QAudioSink::stateChanged, this, &SoundStream::onStateChanged);

    const QAudioFormat format = sink_->format();
    const qsizetype frame = format.bytesPerFrame();
    qsizetype buffer = sink_->bufferSize();
    if (buffer <= 0)
        buffer = format.bytesForDuration(FallbackBufferMs * 1000);
    buffer = std::max(buffer - buffer % frame, frame);
    silence_ = QByteArray(buffer, format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0');

    const qsizetype total = std::min<qsizetype>(samples_.size() + 2 * buffer, INT_MAX);
    watchdog_.start(int(format.durationForBytes(qint32(total)) / 1000) + WatchdogMarginMs);
    feed();
    if (!allWritten())
        feeder_.start();
    return true;
}

void SoundStream::feed() {
    const qsizetype frame = sink_->format().bytesPerFrame();
    qsizetype room = sink_->bytesFree() / frame * frame;
    while (room > 0 && !allWritten()) {
        const qint64 taken = write(room);
        if (taken <= 0)
            break;
        room -= taken;
    }
    if (allWritten())
        feeder_.stop();
}

qint64 SoundStream::write(qsizetype limit) {
    const bool inSound = written_ < samples_.size();
    const qsizetype offset = inSound ? written_ : written_ - samples_.size();
    const QByteArray& from = inSound ? samples_ : silence_;
    const qint64 taken =
        output_->write(from.constData() + offset, std::min(from.size() - offset, limit));
    if (taken > 0)
        written_ += taken;
    return taken;
}

void SoundStream::onStateChanged(QAudio::State state) {
    if (state == QAudio::StoppedState) {
        finish();
    } else if (state == QAudio::IdleState && allWritten()) {
        // Running dry before everything is written is an underrun the stream recovers from.
        drained_ = true;
        finish();
    }
}

void SoundStream::finish() {
    if (finished_)
        return;
    finished_ = true;
    feeder_.stop();
    watchdog_.stop();
    emit finished();
}
