#pragma once

#include "formats/exchange/Exchange.h"
#include "screens/exchange/ImportFit.h"

#include <QList>
#include <QString>

class QWidget;

// The dialogs of exporting and importing, behind one seam so tests can answer them.
class ExchangeDialogs {
public:
    virtual ~ExchangeDialogs() = default;
    // The file to write, or empty when the teacher cancels.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& suggested,
                             const QString& filter) = 0;
    // The file to read, or empty when the teacher cancels.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
    // The fitting questions ticked, as places in found.fitting in file order, at most ten;
    // empty when the teacher cancels.
    virtual QList<int> pick(QWidget* parent, const Exchange::Found& found) = 0;
    // Shows the texts too long for their box, each to be shortened or its question left out, and
    // those whose "&" became "and". Returns false when the teacher cancels; otherwise `texts`
    // hold what goes in and `leftOut` the places (0 to 9) of questions left out.
    virtual bool review(QWidget* parent, QList<ImportFit::Text>& texts, QList<int>& leftOut) = 0;

    // The dialogs in use: Qt's own unless a test has put others in place.
    static ExchangeDialogs& current();
    // Puts `dialogs` in place (nullptr restores Qt's); the caller keeps ownership.
    static void setCurrent(ExchangeDialogs* dialogs);
};
