#pragma once

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QTimer>

class QAudioSink;
class QIODevice;

// One sound, played once, on an output stream of its own. The sound is written at once, followed
// by a buffer's worth of silence, and the stream is then left to run dry by itself; it counts as
// finished when the server reports it drained, so the end of a sound is never cut off.
//
// The silence gets a short sound past the server's start threshold, which it would never fill
// alone. Running dry, rather than being stopped, matters with Qt 6.4 on PulseAudio: there a
// stream that runs dry asks the server for a drain whose answer is delivered to the sink, so a
// sink must not be deleted while that answer may still come. A stream going away therefore hands
// its sink over to delete itself a while after it has drained.
class SoundStream : public QObject {
    Q_OBJECT
public:
    SoundStream(const QAudioDevice& device, const QAudioFormat& format, const QByteArray& samples,
                QObject* parent = nullptr);
    ~SoundStream() override;
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    // Starts the sound; false when no stream could be opened.
    bool start();

signals:
    // The sound has played out, or the stream has failed or stopped taking data.
    void finished();

private:
    void feed();
    qint64 write(qsizetype limit);
    void onStateChanged(QAudio::State state);
    void finish();
    bool allWritten() const { return written_ >= samples_.size() + silence_.size(); }

    QByteArray samples_;
    QByteArray silence_;
    QAudioSink* sink_;
    QIODevice* output_ = nullptr;
    QTimer feeder_;
    QTimer watchdog_;
    qsizetype written_ = 0;
    bool drained_ = false;
    bool finished_ = false;
};
