// The yardstick of the start-up figure: a Qt program that shows one empty dialog and ends.
#include <QApplication>
#include <QDialog>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
