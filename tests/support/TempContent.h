#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh content folder for one test: made empty, made the working folder, and removed
// (with the previous working folder restored) when the fixture goes.
class TempContent {
public:
    TempContent();
    ~TempContent();
    TempContent(const TempContent&) = delete;
    TempContent& operator=(const TempContent&) = delete;

    QString path() const { return dir_.path(); }
    // Writes `bytes` to `relativePath` (slashes), creating folders as needed.
    void write(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray read(const QString& relativePath) const;
    bool exists(const QString& relativePath) const;
    // Copies the project's own content folder in, for tests that need real pictures and sounds.
    void copyProjectContent() const;
    // Copies one folder of the project's content in, such as "topics".
    void copyProjectFolder(const QString& folder) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
