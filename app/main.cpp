#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentabo - Tarvik"));
    std::fputs("Brimsum: the libraries are built; the main window is not there yet.\n", stderr);
    return 0;
}
