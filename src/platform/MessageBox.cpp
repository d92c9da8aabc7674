#include "platform/MessageBox.h"

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
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
