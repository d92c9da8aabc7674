#include "screens/activities/AnswerKeyMenu.h"

#include "app/Messages.h"
#include "app/Services.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "platform/ContentPath.h"
#include "platform/PrinterSurface.h"
#include "screens/activities/Printouts.h"

#include <QMenu>

void addAnswerKeyEntry(QMenu& menu, const QString& programPath, const QString& subject) {
    menu.addAction(QStringLiteral("Print the answer key"),
                   [programPath, subject] { printAnswerKeyOf(programPath, subject); });
}

void printAnswerKeyOf(const QString& programPath, const QString& subject) {
    QuestionTables questions;
    try {
        ItemReader file1 = ItemReader::open(ContentPath::resolve(programPath));
        LoadQuestionFile(file1, questions);
    } catch (const std::exception&) {
        showMessage(QStringLiteral("This worksheet seems to be corrupted."));
        return;
    }
    try {
        std::unique_ptr<PrinterSurface> printer = Services::newPrinter();
        printAnswerKey(*printer, subject, questions.WorksheetTitle, questions);
    } catch (const std::exception&) {
        showMessage(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    showMessage(QStringLiteral("Your worksheet is now printing."));
}
