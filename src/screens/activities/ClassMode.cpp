#include "screens/activities/ClassMode.h"

#include "app/Module1.h"
#include "app/Services.h"
#include "formats/ClassRecord.h"
#include "formats/Errors.h"
#include "formats/SafeFile.h"
#include "platform/ContentPath.h"
#include "platform/Logging.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <set>

namespace ClassMode {

bool isOn() {
    if (qEnvironmentVariable("ORVELLES_CLASS_MODE") == QLatin1String("1"))
        return true;
    return QFileInfo(ContentPath::resolve(markFile)).isFile();
}

void turn(bool on) {
    const QString mark = ContentPath::resolve(markFile);
    if (on) {
        QDir().mkpath(QFileInfo(mark).absolutePath());
        replaceFile(mark, "Class mode is on for this folder: pupils sign in, and their quizzes "
                          "and boards are kept in this folder.\n");
    } else {
        removeFile(mark);
    }
}

QString machine() {
    const QString set = qEnvironmentVariable("ORVELLES_MACHINE");
    return set.isEmpty() ? QSysInfo::machineHostName() : set;
}

bool signIn() {
    const ClassRecord::Read read = ClassRecord::readFolder(ContentPath::resolve(recordFolder));
    std::set<QString> names;
    for (const ClassRecord::Entry& e : read.entries)
        names.insert(e.pupil);
    const QString name =
        Services::messages()
            .askName(QStringLiteral("Who is using The Orvelles? Type your first name, or pick it."),
                     QStringList(names.begin(), names.end()), QStringLiteral("Class"))
            .left(30);
    if (name.isEmpty())
        return false;
    Module1::state.settings.Pupil = name;
    return true;
}

void record(const ActivityOutcome& outcome) {
    const QString pupil = Module1::state.settings.Pupil;
    if (pupil.isEmpty() || !isOn())
        return;
    static int count = 0;
    ClassRecord::Entry e;
    e.when = QDateTime::currentDateTime();
    e.machine = machine();
    e.id = e.machine + QLatin1Char('-') + QString::number(e.when.toMSecsSinceEpoch()) +
           QLatin1Char('-') + QString::number(++count);
    e.pupil = pupil;
    e.topic = outcome.done.topic;
    e.activity = outcome.done.activity;
    e.score = outcome.score;
    e.outOf = outcome.maxScore;
    e.answers = outcome.done.answers;
    e.wrongBoxes = outcome.done.wrongBoxes;
    const QString folder = ContentPath::resolve(recordFolder);
    // Only the record folder itself is made: a folder whose share has gone away must not be
    // made again on this computer's disk.
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        qCWarning(lcFolder, "A class record entry was not kept: %s cannot be made",
                  qUtf8Printable(folder));
        return;
    }
    const QString file = QDir(folder).filePath(ClassRecord::fileNameFor(e.machine));
    // A share coming back from a fault can refuse one try; the id makes a doubled entry count
    // once.
    for (int tries = 1;; ++tries) {
        try {
            ClassRecord::append(file, e);
            return;
        } catch (const std::exception& error) {
            qCWarning(lcFolder, "A class record entry was not kept (try %d of 2): %s", tries,
                      error.what());
            if (tries == 2)
                return;
        }
    }
}

} // namespace ClassMode
