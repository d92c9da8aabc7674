#include "platform/MessageBox.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// A scaled layout takes its boxes with it: the same face, as many times larger.
void scaleFont(QWidget& box) {
    QFont font = QApplication::font(&box);
    const double factor = Twips::layoutFactor();
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    box.setFont(font);
}

} // namespace

void fitMessageBoxToScale(QWidget& box) {
    scaleFont(box);
    // Setting the text again is what has a message box work out its size anew.
    if (auto* message = qobject_cast<QMessageBox*>(&box))
        message->setText(message->text());
    box.adjustSize();
    if (const QWidget* over = box.parentWidget() ? box.parentWidget()->window() : nullptr) {
        QRect place(QPoint(0, 0), box.size());
        place.moveCenter(over->geometry().center());
        box.move(place.topLeft());
    }
}

MessageBox::Answer QtMessageBox::show(const QString& text, Buttons buttons,
                                      const QString& caption) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel)
        shown = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == Buttons::YesNo)
        shown = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(QMessageBox::NoIcon, caption, text, shown, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    // The window system puts the program's name in an empty title; a blank keeps it empty.
    if (caption.isEmpty())
        box.setWindowTitle(QStringLiteral(" "));
    // A question whose Yes throws work away is not answered by a stray Enter.
    box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Ok);
    if (Twips::layoutFactor() != 1.0)
        scaleFont(box);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtMessageBox::askName(const QString& text, const QStringList& known,
                              const QString& caption) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("NameBox"));
    dialog.setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
    dialog.setLabelText(text);
    dialog.setComboBoxItems(known);
    dialog.setComboBoxEditable(true);
    dialog.setTextValue(QString());
    if (const double factor = Twips::layoutFactor(); factor != 1.0) {
        QFont font = QApplication::font(&dialog);
        if (font.pixelSize() > 0)
            font.setPixelSize(qRound(font.pixelSize() * factor));
        else
            font.setPointSizeF(font.pointSizeF() * factor);
        dialog.setFont(font);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().simplified();
}
