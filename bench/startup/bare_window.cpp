// The yardstick of the start-up benchmark: a Qt Widgets program that shows one empty window of
// the table's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
