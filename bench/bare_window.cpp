// The yardsticks for start-up cost: the least a Qt Widgets program does to show
// one 350 x 200 window. Built with ONE_LABEL, the window shows one label, the
// floor of any Qt program that shows text: like every window with a control,
// and unlike the bare one, it starts Qt's accessibility bridge before it is
// mapped. The label gets its place and size, as the program's controls do: one
// left to size itself measures its text, which loads the fonts before the
// window is mapped instead of at its first paint.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(350, 200);
#ifdef ONE_LABEL
    QLabel label("Quenvale", &window);
    label.setGeometry(20, 20, 310, 20);
#endif
    window.show();
    return app.exec();
}
