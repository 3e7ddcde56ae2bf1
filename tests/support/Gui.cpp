#include "tests/support/Gui.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "framework/ui/Control.h"
#include "framework/ui/Window.h"

namespace testsupport {

std::vector<std::string> DismissMessageBoxes(const std::function<void()>& action) {
    std::vector<std::string> texts;
    QPointer<QMessageBox> current;
    QElapsedTimer shownFor;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        if (box != current) {
            current = box;
            shownFor.start();
            texts.push_back(box->text().toStdString());
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                QTest::mouseClick(ok, Qt::LeftButton);
            }
        } else if (shownFor.elapsed() > 3000) {
            ADD_FAILURE() << "a message box did not go away: " << box->text().toStdString();
            box->done(0);
        }
    });
    poll.start();
    action();
    poll.stop();
    return texts;
}

QWidget* Widget(const fw::RectControl& control) {
    return control._Widget();
}
QWidget* WindowWidget(const fw::Window& window) {
    return window._Widget();
}
QWidget* ContentWidget(const fw::Window& window) {
    return window._Content();
}

QWidget* Control(const fw::Window& window, std::string_view name) {
    auto control = std::dynamic_pointer_cast<fw::RectControl>(window._ControlByName(name));
    return control ? Widget(*control) : nullptr;
}

QRect Place(const fw::RectControl& control) {
    QWidget* widget = control._Widget();
    fw::Ref<fw::Window> window = control.Window();
    return widget && window ? QRect(widget->mapTo(window->_Content(), QPoint(0, 0)), widget->size())
                            : QRect();
}

QMenuBar* MenuBarWidget(const fw::Window& window) {
    QWidget* top = window._Widget();
    return top && top->layout() ? qobject_cast<QMenuBar*>(top->layout()->menuBar()) : nullptr;
}

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace testsupport
