#include "app/Messages.h"

#include "app/Services.h"

void showMessage(const QString& text) {
    Services::messages().show(text, MessageBox::Buttons::Ok, QStringLiteral("The Orvelles"));
}

QString numberText(int number) {
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}
