#include "platform/MessageBox.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QMessageBox>

MessageBox::Answer QtMessageBox::show(const QString& text, Buttons buttons,
                                      const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text,
                    buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                 : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    // The window system puts the program's name in an empty title; a blank keeps it empty.
    if (caption.isEmpty())
        box.setWindowTitle(QStringLiteral(" "));
    box.setDefaultButton(QMessageBox::Ok);
    // A scaled layout takes its boxes with it: the same face, as many times larger.
    if (const double factor = Twips::layoutFactor(); factor != 1.0) {
        QFont font = QApplication::font(&box);
        if (font.pixelSize() > 0)
            font.setPixelSize(qRound(font.pixelSize() * factor));
        else
            font.setPointSizeF(font.pointSizeF() * factor);
        box.setFont(font);
    }
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
