#include "screens/activities/ClassResultsView.h"

#include "app/Messages.h"
#include "app/Services.h"
#include "formats/ClassRecord.h"
#include "formats/SafeFile.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/PrinterSurface.h"
#include "screens/activities/ClassMode.h"
#include "screens/activities/ClassSummary.h"
#include "screens/exchange/ExchangeDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget* table(QWidget* parent, const QString& name, const QStringList& headings) {
    auto* t = new QTableWidget(0, int(headings.size()), parent);
    t->setObjectName(name);
    t->setAccessibleName(name);
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c)
        t->setItem(row, c, new QTableWidgetItem(cells[c]));
}

QString folder() {
    return ContentPath::resolve(ClassMode::recordFolder);
}

} // namespace

ClassResultsView::ClassResultsView(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ClassResultsView"));
    setWindowTitle(QStringLiteral("Class Results"));
    auto* layout = new QVBoxLayout(this);
    classMode = new QCheckBox(
        QStringLiteral("Class mode: pupils sign in, and their quizzes and boards are kept"), this);
    layout->addWidget(classMode);
    layout->addWidget(new QLabel(QStringLiteral("By pupil"), this));
    pupils = table(this, QStringLiteral("By pupil"),
                   {QStringLiteral("Pupil"), QStringLiteral("Topic or worksheet"),
                    QStringLiteral("Activity"), QStringLiteral("Latest"), QStringLiteral("Best"),
                    QStringLiteral("Tries"), QStringLiteral("Last on")});
    layout->addWidget(pupils, 3);
    layout->addWidget(new QLabel(QStringLiteral("Questions most often wrong"), this));
    questions = table(this, QStringLiteral("Questions most often wrong"),
                      {QStringLiteral("Quiz"), QStringLiteral("Question"), QStringLiteral("Wrong"),
                       QStringLiteral("Answered"), QStringLiteral("Wrong answer most chosen")});
    layout->addWidget(questions, 2);
    problems = new QLabel(this);
    problems->setWordWrap(true);
    layout->addWidget(problems);
    auto* buttons = new QDialogButtonBox(this);
    const auto add = [&](const QString& caption, auto action) {
        QPushButton* b = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        connect(b, &QPushButton::clicked, this, action);
    };
    add(QStringLiteral("Print"), [this] { printReport(); });
    add(QStringLiteral("Save as CSV…"), [this] { saveCsv(); });
    add(QStringLiteral("Remove a pupil…"), [this] { removePupil(); });
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(classMode, &QCheckBox::toggled, this, [this](bool on) {
        try {
            ClassMode::turn(on);
        } catch (const std::exception& error) {
            showMessage(QStringLiteral("Class mode could not be changed: %1")
                            .arg(QString::fromUtf8(error.what())));
        }
    });
    resize(820, 560);
    refresh();
}

void ClassResultsView::refresh() {
    const ClassRecord::Read read = ClassRecord::readFolder(folder());
    const QSignalBlocker quiet(classMode);
    classMode->setChecked(ClassMode::isOn());
    const QList<ClassSummary::Tries> tries = ClassSummary::byPupil(read.entries);
    pupils->setRowCount(int(tries.size()));
    const QLocale locale;
    for (int r = 0; r < tries.size(); ++r) {
        const ClassSummary::Tries& t = tries[r];
        setRow(pupils, r,
               {t.pupil, t.topic, t.activity,
                QStringLiteral("%1 of %2").arg(t.latestScore).arg(t.latestOutOf),
                QStringLiteral("%1 of %2").arg(t.bestScore).arg(t.bestOutOf),
                QString::number(t.tries), locale.toString(t.latest.date(), QLocale::ShortFormat)});
    }
    const QList<ClassSummary::Question> hardest = ClassSummary::hardestQuestions(read.entries);
    questions->setRowCount(int(hardest.size()));
    for (int r = 0; r < hardest.size(); ++r) {
        const ClassSummary::Question& q = hardest[r];
        setRow(
            questions, r,
            {q.topic, QString::number(q.number), QString::number(q.wrong),
             QString::number(q.answered),
             q.mostChosenWrong.isEmpty()
                 ? QString()
                 : QStringLiteral("%1 (%2)").arg(q.mostChosenWrong).arg(q.mostChosenWrongTimes)});
    }
    problems->setText(read.problems.isEmpty()
                          ? QString()
                          : QStringLiteral("Left out, damaged: ") + read.problems.join("; "));
}

void ClassResultsView::printReport() {
    const QList<ClassRecord::Entry> entries = ClassRecord::readFolder(folder()).entries;
    try {
        std::unique_ptr<PrinterSurface> printer = Services::newPrinter();
        printer->setFontName(QStringLiteral("Times New Roman"));
        printer->setFontSize(11);
        // One page: what does not fit is left for the CSV.
        const double lineHeight = 11 * 24;
        const double bottom = printer->pageHeight() - 720 - lineHeight;
        double y = 720;
        for (const QString& line : ClassSummary::reportLines(entries)) {
            if (y > bottom)
                break;
            printer->setY(y);
            printer->setX(720);
            printer->printText(line);
            y += lineHeight;
        }
        printer->endDocument();
    } catch (const std::exception&) {
        showMessage(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    showMessage(QStringLiteral("The class results are now printing."));
}

void ClassResultsView::saveCsv() {
    const QString path = ExchangeDialogs::current().saveFile(
        this, QStringLiteral("Save the class results"),
        QDir::home().filePath(QStringLiteral("class-results.csv")), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    try {
        replaceFile(path, ClassRecord::exportCsv(ClassRecord::readFolder(folder()).entries));
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("The class results could not be saved: %1")
                        .arg(QString::fromUtf8(error.what())));
        return;
    }
    showMessage(QStringLiteral("The class results have been saved."));
}

void ClassResultsView::removePupil() {
    const QStringList known = ClassSummary::pupils(ClassRecord::readFolder(folder()).entries);
    const QString pupil = Services::messages().askName(
        QStringLiteral("Whose entries should be removed from the class record?"), known,
        QStringLiteral("Class Results"));
    if (pupil.isEmpty() || !known.contains(pupil))
        return;
    if (Services::messages().show(
            QStringLiteral("Remove every entry of %1 from the class record? This cannot be undone.")
                .arg(pupil),
            MessageBox::Buttons::YesNo, QStringLiteral("Class Results")) != MessageBox::Answer::Yes)
        return;
    try {
        for (const QString& name :
             QDir(folder()).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name))
            ClassRecord::removePupil(QDir(folder()).filePath(name), pupil);
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("Not every entry could be removed: %1")
                        .arg(QString::fromUtf8(error.what())));
    }
    refresh();
}

namespace {
void openClassResults(QWidget& screen) {
    ClassResultsView view(&screen);
    view.exec();
}
} // namespace

void attachClassResults(QWidget& screen) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &screen);
    QObject::connect(shortcut, &QShortcut::activated, &screen,
                     [&screen] { openClassResults(screen); });
}

void addClassResultsEntry(QMenu& menu, QWidget& screen) {
    QAction* entry = menu.addAction(QStringLiteral("Class Results…"), &screen,
                                    [&screen] { openClassResults(screen); });
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
}
