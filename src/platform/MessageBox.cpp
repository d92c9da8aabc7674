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
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
