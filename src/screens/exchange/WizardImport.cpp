#include "screens/exchange/WizardImport.h"

#include "app/Messages.h"
#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "screens/authoring/wizard.h"
#include "screens/exchange/ExchangeDialogs.h"

#include <QMenu>
#include <QShortcut>

namespace WizardImport {

void attach(wizard& editor) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), &editor);
    QObject::connect(shortcut, &QShortcut::activated, &editor, [&editor] { run(editor); });
    editor.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&editor, &QWidget::customContextMenuRequested, &editor,
                     [&editor](const QPoint& at) {
                         QMenu menu(&editor);
                         menu.addAction(QStringLiteral("Import questions…"), &editor,
                                        [&editor] { run(editor); });
                         menu.exec(editor.mapToGlobal(at));
                     });
}

void run(wizard& editor) {
    const QString path = ExchangeDialogs::current().openFile(
        &editor, QStringLiteral("Import questions"),
        QStringLiteral("Question files (*.txt *.gift *.xml);;All files (*)"));
    if (path.isEmpty())
        return;
    Exchange::Found found;
    try {
        found = Exchange::read(FileAccess::read(path, FileAccess::Kind::Import));
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("The questions could not be imported. %1")
                        .arg(QString::fromUtf8(error.what())));
        return;
    }
    if (found.fitting.isEmpty()) {
        // Why the first few were left out, so that a single slip can be found and mended.
        QStringList reasons;
        for (const Exchange::LeftOut& question : found.leftOut.mid(0, 3))
            reasons << QStringLiteral("question %1%2: %3")
                           .arg(question.number)
                           .arg(question.line > 0 ? QStringLiteral(" (line %1)").arg(question.line)
                                                  : QString())
                           .arg(question.reason);
        showMessage(QStringLiteral("None of the %1 questions in this file fit a worksheet (a "
                                   "worksheet needs four choices and one right answer). %2.")
                        .arg(found.leftOutCount())
                        .arg(reasons.join(QStringLiteral("; "))));
        return;
    }
    const QList<int> picks = ExchangeDialogs::current().pick(&editor, found);
    if (!picks.isEmpty())
        fill(editor, found, picks);
}

void fill(wizard& editor, const Exchange::Found& found, const QList<int>& picks) {
    if (editor.Text1->text().isEmpty() && !found.title.isEmpty())
        editor.Text1->setText(found.title);
    for (int q = 0; q < picks.size() && q < 10; ++q) {
        const QuestionEntry& entry = found.fitting.at(picks[q]);
        editor.Text2(q).setText(entry.text);
        for (int a = 0; a < 4; ++a) {
            editor.Text3(4 * q + a).setText(entry.answers[a]);
            editor.Check1(4 * q + a).setValue(a + 1 == entry.correct);
        }
    }
}

} // namespace WizardImport
