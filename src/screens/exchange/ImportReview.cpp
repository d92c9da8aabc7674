#include "screens/exchange/ImportReview.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString countText(const ImportFit::Text& text) {
    const qsizetype over = text.text.size() - text.limit;
    return over > 0 ? QStringLiteral("%1 characters, %2 too many").arg(text.text.size()).arg(over)
                    : QStringLiteral("%1 characters, fits").arg(text.text.size());
}

} // namespace

bool reviewImport(QWidget* parent, QList<ImportFit::Text>& texts, QList<int>& leftOut) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Import questions: texts to check"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* rows = new QVBoxLayout;
    QList<QLineEdit*> edits(texts.size(), nullptr);
    QHash<int, QCheckBox*> leaveOut;
    QStringList changed;
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // Import only when every text left in fits its box.
    const auto check = [&] {
        bool fits = true;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (!edits[i])
                continue;
            const QCheckBox* out = leaveOut.value(texts[i].question);
            fits = fits && ((out && out->isChecked()) || edits[i]->text().size() <= texts[i].limit);
        }
        buttons->button(QDialogButtonBox::Ok)->setEnabled(fits);
    };
    int row = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        ImportFit::Text& text = texts[i];
        if (text.ampersand)
            changed << QStringLiteral("%1: “%2”").arg(ImportFit::placeOf(text), text.text);
        if (!text.tooLong())
            continue;
        if (text.question >= 0 && !leaveOut.contains(text.question)) {
            auto* out = new QCheckBox(
                QStringLiteral("Leave question %1 out").arg(text.question + 1), &dialog);
            out->setObjectName(QStringLiteral("leaveOut_%1").arg(text.question));
            QObject::connect(out, &QCheckBox::toggled, &dialog, check);
            leaveOut.insert(text.question, out);
            rows->addSpacing(row > 0 ? 12 : 0);
            rows->addWidget(out);
            ++row;
        }
        auto* count = new QLabel(&dialog);
        auto* edit = new QLineEdit(text.text, &dialog);
        edit->setObjectName(QStringLiteral("text_%1").arg(i));
        QString place = ImportFit::placeOf(text);
        place[0] = place[0].toUpper();
        edit->setAccessibleName(place);
        const auto recount = [count, edit, place, limit = text.limit] {
            count->setText(QStringLiteral("%1 (%2):")
                               .arg(place, countText({0, 0, edit->text(), limit, false})));
        };
        recount();
        QObject::connect(edit, &QLineEdit::textChanged, &dialog, recount);
        QObject::connect(edit, &QLineEdit::textChanged, &dialog, check);
        count->setBuddy(edit);
        // The start of the text in view, where a teacher reads from.
        edit->setCursorPosition(0);
        rows->addWidget(count);
        rows->addWidget(edit);
        ++row;
        edits[i] = edit;
    }
    if (row > 0) {
        layout->addWidget(new QLabel(QStringLiteral("These texts are too long for a worksheet. "
                                                    "Shorten each one, or leave its question out."),
                                     &dialog));
        auto* area = new QScrollArea(&dialog);
        auto* inside = new QWidget(area);
        rows->addStretch(1);
        inside->setLayout(rows);
        area->setWidget(inside);
        area->setWidgetResizable(true);
        layout->addWidget(area);
    } else {
        delete rows;
    }
    if (!changed.isEmpty()) {
        auto* note = new QLabel(QStringLiteral("A worksheet keeps “&” as a comma, so “&” becomes "
                                               "“and” in: %1.")
                                    .arg(changed.join(QStringLiteral("; "))),
                                &dialog);
        note->setObjectName(QStringLiteral("ampersands"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    check();
    dialog.resize(760, row > 0 ? 480 : 200);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (edits[i])
            texts[i].text = edits[i]->text();
    }
    leftOut.clear();
    for (auto it = leaveOut.cbegin(); it != leaveOut.cend(); ++it) {
        if (it.value()->isChecked())
            leftOut << it.key();
    }
    return true;
}
