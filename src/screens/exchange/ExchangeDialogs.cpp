#include "screens/exchange/ExchangeDialogs.h"

#include "screens/exchange/ImportReview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

// The list to tick: the fitting questions, the first ten ticked, and what was left out.
QList<int> pickFromList(QWidget* parent, const Exchange::Found& found) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Import questions"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        QStringLiteral("%1 file: tick up to ten questions to fill the worksheet in order.")
            .arg(Exchange::formatName(found.format)),
        &dialog));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("questions"));
    bool unstorable = false;
    for (int i = 0; i < found.fitting.size(); ++i) {
        const QuestionEntry& entry = found.fitting[i];
        QString shown = entry.text;
        if (!found.notes.value(i).isEmpty())
            shown += QStringLiteral(" (%1)").arg(found.notes[i]);
        for (const QString& text :
             {entry.text, entry.answers[0], entry.answers[1], entry.answers[2], entry.answers[3]}) {
            const QString marked = Exchange::unstorableMarked(text);
            if (!marked.isEmpty()) {
                shown += QStringLiteral("  —  ") + marked;
                unstorable = true;
            }
        }
        auto* item = new QListWidgetItem(
            QStringLiteral("%1. %2").arg(found.fittingNumbers[i]).arg(shown), list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(i < QuestionCount ? Qt::Checked : Qt::Unchecked);
    }
    // An eleventh tick is taken back at once.
    QObject::connect(list, &QListWidget::itemChanged, list, [list](QListWidgetItem* changed) {
        int ticked = 0;
        for (int i = 0; i < list->count(); ++i)
            ticked += list->item(i)->checkState() == Qt::Checked;
        if (ticked > QuestionCount)
            changed->setCheckState(Qt::Unchecked);
    });
    layout->addWidget(list);
    if (unstorable)
        layout->addWidget(new QLabel(QStringLiteral("Characters between ⟦ and ⟧ cannot be kept in "
                                                    "a worksheet; change them before saving."),
                                     &dialog));
    if (!found.leftOut.isEmpty()) {
        QStringList reasons;
        for (const Exchange::LeftOut& question : found.leftOut)
            reasons << (question.line > 0
                            ? QStringLiteral("%1 (line %2): %3")
                                  .arg(question.number)
                                  .arg(question.line)
                                  .arg(question.reason)
                            : QStringLiteral("%1: %2").arg(question.number).arg(question.reason));
        auto* leftOut = new QLabel(QStringLiteral("%1 left out — %2")
                                       .arg(found.leftOutCount())
                                       .arg(reasons.mid(0, 12).join(QStringLiteral("; "))),
                                   &dialog);
        leftOut->setWordWrap(true);
        layout->addWidget(leftOut);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(720, 480);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QList<int> ticked;
    for (int i = 0; i < list->count() && ticked.size() < QuestionCount; ++i) {
        if (list->item(i)->checkState() == Qt::Checked)
            ticked << i;
    }
    return ticked;
}

class QtDialogs : public ExchangeDialogs {
public:
    QString saveFile(QWidget* parent, const QString& caption, const QString& suggested,
                     const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    }
    QString openFile(QWidget* parent, const QString& caption, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    }
    QList<int> pick(QWidget* parent, const Exchange::Found& found) override {
        return pickFromList(parent, found);
    }
    bool review(QWidget* parent, QList<ImportFit::Text>& texts, QList<int>& leftOut) override {
        return reviewImport(parent, texts, leftOut);
    }
};

ExchangeDialogs* replacement = nullptr;

} // namespace

ExchangeDialogs& ExchangeDialogs::current() {
    static QtDialogs qtDialogs;
    return replacement ? *replacement : qtDialogs;
}

void ExchangeDialogs::setCurrent(ExchangeDialogs* dialogs) {
    replacement = dialogs;
}
