// The yardstick for start-up times: a Qt program that does nothing but show
// an empty window of the calculator's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra minima"));
    window.setFixedSize(312, 350);
    window.show();
    return QApplication::exec();
}
