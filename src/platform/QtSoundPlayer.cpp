#include "platform/QtSoundPlayer.h"

#include "platform/ContentPath.h"
#include "platform/Logging.h"
#include "platform/SoundStream.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QWaveDecoder>

#include <algorithm>
#include <utility>

namespace {

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

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {
    loader_.setMaxThreadCount(1);
}

QtSoundPlayer::~QtSoundPlayer() {
    closing_ = true;
    // Loads post their results to this object, so none may still be running or queued.
    loader_.waitForDone();
    QCoreApplication::removePostedEvents(this);
    outputs_.clear();
    qDeleteAll(findChildren<SoundStream*>(Qt::FindDirectChildrenOnly));
}

void QtSoundPlayer::PlaySound(const QString& fileName) {
    if (closing_)
        return;
    const QFileInfo info(ContentPath::resolve(fileName));
    if (!info.isFile()) {
        qCWarning(lcContent, "sound %s not played: there is no such file",
                  qUtf8Printable(fileName));
        return;
    }
    const QString path = info.absoluteFilePath();
    auto it = sounds_.find(path);
    if (it == sounds_.end() || it->modified != info.lastModified() || it->size != info.size()) {
        Entry entry;
        entry.modified = info.lastModified();
        entry.size = info.size();
        entry.pendingPlays = 1;
        it = sounds_.insert(path, entry);
        load(path, entry.modified, entry.size);
    } else if (it->state == SoundState::Loading) {
        it->pendingPlays = std::min(it->pendingPlays + 1, MaxLiveOutputs);
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
    QBuffer file;
    try {
        file.setData(FileAccess::read(path, FileAccess::Kind::Sound));
    } catch (const FileError& error) {
        qCWarning(lcContent, "sound not read: %s", error.what());
        return std::nullopt;
    }
    const auto unplayable = [&path](const char* why) {
        qCWarning(lcContent, "sound %s not played: %s", qUtf8Printable(path), why);
        return std::nullopt;
    };
    file.open(QIODevice::ReadOnly);
    QWaveDecoder decoder(&file);
    if (!decoder.open(QIODevice::ReadOnly))
        return unplayable("it is no wave file");
    const QAudioFormat format = decoder.audioFormat();
    if (!format.isValid() || format.bytesPerFrame() <= 0)
        return unplayable("its sample format is not one that plays");
    // The declared data size, when there is one, keeps trailing chunks from being played as noise.
    const qint64 declared = decoder.size();
    QByteArray samples =
        declared > 0 ? decoder.read(std::min(declared, file.size())) : decoder.readAll();
    samples.truncate(samples.size() - samples.size() % format.bytesPerFrame());
    if (samples.isEmpty())
        return unplayable("it holds no samples");
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
    for (int plays = std::exchange(it->pendingPlays, 0); plays > 0; --plays)
        start(it->sound);
}

void QtSoundPlayer::start(const Sound& sound) {
    const QAudioDevice device = defaultOutput();
    if (device.isNull() || !device.isFormatSupported(sound.format))
        return;
    while (outputs_.size() >= MaxLiveOutputs)
        retire(outputs_.constFirst());

    auto* stream = new SoundStream(device, sound.format, sound.samples, this);
    outputs_.append(stream);
    connect(stream, &SoundStream::finished, this, [this, stream] { retire(stream); });
    if (!stream->start())
        retire(stream);
}

void QtSoundPlayer::retire(SoundStream* stream) {
    if (!outputs_.removeOne(stream))
        return;
    // Usually called from the stream's own signal, so it cannot be deleted here.
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
