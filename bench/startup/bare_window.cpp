// The yardsticks of the start-up benchmark: a Qt Widgets program that shows one empty window of
// the table's size; with --text, one line of text in it as well, which brings up what an empty
// window never needs: the system's font configuration, the font database and one font.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <optional>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 768);
    std::optional<QLabel> line;
    if (QApplication::arguments().contains(u"--text"_s)) {
        line.emplace(u"正在连接服务器..."_s, &window);
    }
    window.show();
    return QApplication::exec();
}
