// The yardstick for start-up cost: the least a Qt Widgets program does to show
// one 350 x 200 window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(350, 200);
    window.show();
    return app.exec();
}
