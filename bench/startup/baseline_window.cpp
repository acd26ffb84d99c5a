// The yardstick for start-up time: a bare Qt Widgets window of the main
// window's size with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(666, 529);
    QLabel label(QStringLiteral(" Aufgabe 1 / 14"), &window);
    window.show();
    return QApplication::exec();
}
