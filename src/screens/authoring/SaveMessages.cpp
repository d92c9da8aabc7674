#include "screens/authoring/SaveMessages.h"

#include "app/Module1.h"
#include "formats/Errors.h"

namespace SaveMessages {

const QString busy = QStringLiteral("The worksheets folder is busy: another computer is saving "
                                    "there. Please try again in a moment.");
const QString unsafeFirst = QStringLiteral(
    "The shared worksheets folder cannot keep worksheets safe when several computers save there, "
    "so nothing was changed. Please ask whoever looks after the school's computers.");
const QString unsafeAgain = QStringLiteral(
    "Nothing was changed: the shared worksheets folder cannot keep worksheets safe.");

QString forFailure(const QString& usual) {
    try {
        throw;
    } catch (const FolderBusyError&) {
        return busy;
    } catch (const RefusedFileError& error) {
        // A planted FIFO or link in a shared folder is for someone to remove: say which file.
        return usual + QStringLiteral("\n\n") + QString::fromUtf8(error.what());
    } catch (const UnsafeFolderError&) {
        // Every later try still fails, and must still say that nothing was kept, but the
        // teacher has had the explanation and whom to ask already.
        if (Module1::state.catalogue.UnsafeFolderTold)
            return unsafeAgain;
        Module1::state.catalogue.UnsafeFolderTold = true;
        return unsafeFirst;
    } catch (...) {
        return usual;
    }
}

} // namespace SaveMessages
