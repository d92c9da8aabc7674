#include "screens/activities/board/BoardPrintMenu.h"

#include "app/Messages.h"
#include "app/Services.h"
#include "platform/PrinterSurface.h"
#include "screens/activities/BoardPrintouts.h"
#include "screens/activities/board/DragBoard.h"

#include <QPointer>

std::unique_ptr<QMenu> boardPrintMenu(DragBoard& board) {
    // Owned by the caller alone, so a board that goes while it is open cannot delete it twice.
    auto menu = std::make_unique<QMenu>();
    QPointer<DragBoard> live(&board);
    const auto print = [live](bool answers) {
        // The board may have gone while the menu was open.
        if (live && !live->isUnloaded())
            printBoardPaper(*live, answers);
    };
    menu->addAction(QStringLiteral("Print this activity"), [print] { print(false); });
    menu->addAction(QStringLiteral("Print the answers"), [print] { print(true); });
    return menu;
}

void printBoardPaper(const DragBoard& board, bool answers) {
    try {
        std::unique_ptr<PrinterSurface> printer = Services::newPrinter();
        const BoardPaper paper = paperOf(board.data(), board.title());
        if (answers)
            printBoardAnswers(*printer, paper);
        else
            printBoardTask(*printer, paper);
    } catch (const std::exception&) {
        showMessage(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    showMessage(QStringLiteral("Your worksheet is now printing."));
}
