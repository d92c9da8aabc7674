#include "support/TempContent.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TempContent::TempContent() : previous_(QDir::currentPath()) {
    if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
        throw std::runtime_error("cannot make a temporary content folder");
}

TempContent::~TempContent() {
    QDir::setCurrent(previous_);
}

void TempContent::write(const QString& relativePath, const QByteArray& bytes) const {
    const QString full = dir_.filePath(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TempContent::read(const QString& relativePath) const {
    QFile file(dir_.filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempContent::exists(const QString& relativePath) const {
    return QFileInfo::exists(dir_.filePath(relativePath));
}

void TempContent::copyProjectContent() const {
    copyProjectFolder(QString());
}

void TempContent::copyProjectFolder(const QString& folder) const {
    const QString content = QStringLiteral(ORVELLES_SOURCE_DIR "/content");
    QDirIterator it(QDir(content).filePath(folder), QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = dir_.filePath(QDir(content).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}
