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
    if (picks.isEmpty())
        return;
    // Nothing is cut or changed unseen: a text too long for its box, or an "&" a worksheet would
    // read back as a comma, is shown first.
    QList<ImportFit::Text> texts = ImportFit::textsOf(found, picks, editor.draft().title.isEmpty());
    QList<int> leftOut;
    if (ImportFit::needsReview(texts) &&
        !ExchangeDialogs::current().review(&editor, texts, leftOut))
        return;
    fill(editor, found, picks, texts, leftOut);
}

void fill(wizard& editor, const Exchange::Found& found, const QList<int>& picks,
          const QList<ImportFit::Text>& texts, const QList<int>& leftOut) {
    // The questions as the teacher left them in the review, in their worksheet order.
    QList<QuestionEntry> entries;
    for (int q = 0; q < picks.size() && q < QuestionCount; ++q)
        entries << found.fitting.at(picks[q]);
    for (const ImportFit::Text& text : texts) {
        if (text.question < 0) {
            if (editor.draft().title.isEmpty())
                editor.fillTitle(text.text);
        } else if (text.answer < 0) {
            entries[text.question].text = text.text;
        } else {
            entries[text.question].answers[text.answer] = text.text;
        }
    }
    int place = 0;
    for (int q = 0; q < entries.size(); ++q) {
        if (!leftOut.contains(q))
            editor.fillQuestion(place++, entries[q]);
    }
}

} // namespace WizardImport
