#pragma once

#include "screens/exchange/ImportFit.h"

class QWidget;

// The dialog of ExchangeDialogs::review: each text too long for its box in an edit box of its
// own with its count, a tick to leave its question out, and the "&" made "and" listed.
bool reviewImport(QWidget* parent, QList<ImportFit::Text>& texts, QList<int>& leftOut);
