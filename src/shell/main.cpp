#include "shell/mainwindow.h"
#include "storage/settingsstore.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rollwell"));
    QApplication::setApplicationName(QStringLiteral("Rollwell2"));

    // The options are read once at start; while the program runs the values in
    // memory are the truth, and they are written back when it ends.
    rollwell::Settings settings = rollwell::LoadSettings();
    rollwell::MainWindow window(settings);
    window.show();
    const int result = QApplication::exec();
    rollwell::SaveSettings(settings);
    return result;
}
