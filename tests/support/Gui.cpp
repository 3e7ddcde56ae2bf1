#include "tests/support/Gui.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

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
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            if (ok == nullptr && !box->buttons().isEmpty()) {
                ok = box->buttons().front();
            }
            if (ok != nullptr) {
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

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace testsupport

// Asked for by the sanitizers' leak check. The platform's font configuration
// library keeps its caches until the process ends; nothing of ours is hidden.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
