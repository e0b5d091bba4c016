#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rollwell"));
    QApplication::setApplicationName(QStringLiteral("Rollwell2"));
    rollwell::MainWindow window;
    window.show();
    return QApplication::exec();
}
