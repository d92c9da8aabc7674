#include "screens/authoring/AnswerKeyMenu.h"

#include "app/Messages.h"
#include "app/Services.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "platform/ContentPath.h"
#include "platform/PrinterSurface.h"
#include "screens/activities/Printouts.h"
#include "screens/authoring/WizardRules.h"

#include <QMenu>

void addAnswerKeyEntry(QMenu& menu, const QString& name) {
    menu.addAction(QStringLiteral("Print the answer key"), [name] { printAnswerKeyOf(name); });
}

void printAnswerKeyOf(const QString& name) {
    QuestionTables questions;
    try {
        ItemReader file1 = ItemReader::open(ContentPath::resolve(WizardRules::questionFile(name)));
        LoadQuestionFile(file1, questions);
    } catch (const std::exception&) {
        showMessage(QStringLiteral("This worksheet seems to be corrupted."));
        return;
    }
    try {
        std::unique_ptr<PrinterSurface> printer = Services::newPrinter();
        printAnswerKey(*printer, QStringLiteral("The Orvelles"), questions.WorksheetTitle,
                       questions);
    } catch (const std::exception&) {
        showMessage(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    showMessage(QStringLiteral("Your worksheet is now printing."));
}
