#include "framework/ui/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <cstdio>

namespace fw {

namespace {

// A message box whose text can be selected by mouse and keyboard, and whose
// copy key copies the whole text when nothing is selected. Qt does the latter
// on Windows only.
class MessageBox final : public QMessageBox {
  public:
    explicit MessageBox(const QString& text) {
        setTextFormat(Qt::PlainText);
        setText(text);
        setStandardButtons(QMessageBox::Ok);
        setDefaultButton(QMessageBox::Ok);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            label->installEventFilter(this);
        }
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            CopyAll();
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    // The text itself, when it has the focus, copies only a selection.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            auto* label = qobject_cast<QLabel*>(watched);
            if (label != nullptr && !label->hasSelectedText()) {
                CopyAll();
                return true;
            }
        }
        return QMessageBox::eventFilter(watched, event);
    }

  private:
    void CopyAll() const { QGuiApplication::clipboard()->setText(text()); }
};

bool HaveGui() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

void MsgBox(std::string_view text) {
    const QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (!HaveGui()) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return;
    }
    MessageBox box(message);
    box.exec();
}

}  // namespace fw
