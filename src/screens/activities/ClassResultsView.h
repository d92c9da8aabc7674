#pragma once

class QMenu;

#include <QDialog>

class QCheckBox;
class QLabel;
class QTableWidget;
class QWidget;

// The teacher's view of the class record: every pupil's latest and best score at each
// activity with the number of tries, and each quiz's questions by how often they were got
// wrong. It prints one report, saves the merged record as CSV, removes one pupil's entries
// (asked first), and turns class mode on or off for the folder. Ctrl+R on the catalogue opens it.
class ClassResultsView : public QDialog {
    Q_OBJECT
public:
    explicit ClassResultsView(QWidget* parent);

    // Reads the record again and shows it.
    void refresh();
    void printReport();
    void saveCsv();
    void removePupil();

    QTableWidget* pupils;
    QTableWidget* questions;
    QLabel* problems;
    QCheckBox* classMode;
};

// Lets Ctrl+R on `screen` open the view.
void attachClassResults(QWidget& screen);
// Adds "Class Results…" to a right-click menu of `screen`, opening the same view.
void addClassResultsEntry(QMenu& menu, QWidget& screen);
