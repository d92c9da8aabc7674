#pragma once

#include "formats/FileAccess.h"
#include "platform/SoundPlayer.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QThreadPool>

#include <optional>

class SoundStream;

// Plays WAV files through Qt Multimedia. A file is read and decoded once, on a worker thread, and
// kept in memory until it changes on disk; each request then gets an output stream of its own, so
// a click repeated quickly is heard every time and overlapping sounds mix (see SoundStream).
// Every failure is silence; nothing waits for a sound and nothing is reported.
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    enum class SoundState { Unknown, Loading, Ready, Unplayable };
    Q_ENUM(SoundState)

    // Streams alive at once; the oldest gives way when a request would exceed it.
    static constexpr int MaxLiveOutputs = 8;
    // Decoded files held in memory; the least recently played is dropped beyond it.
    static constexpr int MaxCachedSounds = 32;
    // Larger files are not read at all.
    static constexpr qint64 MaxFileBytes = FileAccess::capOf(FileAccess::Kind::Sound);

    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void PlaySound(const QString& fileName) override;

    // What the player knows of a file (a program path, as for PlaySound).
    SoundState soundState(const QString& fileName) const;
    int liveOutputs() const { return int(outputs_.size()); }
    int cachedSounds() const { return int(sounds_.size()); }

private:
    struct Sound {
        QAudioFormat format;
        QByteArray samples;
    };
    struct Entry {
        SoundState state = SoundState::Loading;
        QDateTime modified;
        qint64 size = 0;
        Sound sound;
        // Requests made while the file was still being read.
        int pendingPlays = 0;
        quint64 lastUse = 0;
    };

    static std::optional<Sound> decode(const QString& path);
    void load(const QString& path, const QDateTime& modified, qint64 size);
    void finishLoad(const QString& path, const QDateTime& modified, qint64 size,
                    const std::optional<Sound>& sound);
    void start(const Sound& sound);
    void retire(SoundStream* stream);
    void trimCache();

    QHash<QString, Entry> sounds_;
    QList<SoundStream*> outputs_;
    QThreadPool loader_;
    quint64 useCount_ = 0;
    bool closing_ = false;
};
