#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    startProgram();
    const int status = QApplication::exec();
    stopProgram();
    return status;
}
