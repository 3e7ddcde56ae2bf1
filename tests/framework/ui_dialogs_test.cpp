// The message box as a person meets it: read, select, copy, dismiss; and Beep.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "framework/ui/Dialogs.h"
#include "tests/support/Gui.h"

namespace {

using testsupport::DismissMessageBoxes;

// Runs action; when a message box opens, hands it to onBox once. A box still
// open three seconds later fails the test and is closed, so nothing hangs.
void WithMessageBox(const std::function<void()>& action,
                    const std::function<void(QMessageBox&)>& onBox) {
    QPointer<QMessageBox> seen;
    QElapsedTimer shownFor;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        if (box != seen) {
            seen = box;
            shownFor.start();
            onBox(*box);
        } else if (shownFor.elapsed() > 3000) {
            ADD_FAILURE() << "the message box stayed open";
            box->done(0);
        }
    });
    poll.start();
    action();
    poll.stop();
    EXPECT_TRUE(shownFor.isValid()) << "no message box opened";
}

QLabel* TextOf(QMessageBox& box) {
    return box.findChild<QLabel*>("qt_msgbox_label");
}

TEST(MsgBox, ShowsItsTextAsWrittenAndReturnsWhenDismissed) {
    for (const std::string text :
         {"No test statistic selected. Select Z, t, F, or Chi-Square", "F must be < 9999 & > 1",
          "<b>not bold</b>", "Ünïcödé ✓", "two\nlines", ""}) {
        SCOPED_TRACE(text);
        bool returned = false;
        const auto texts = DismissMessageBoxes([&] {
            fw::MsgBox(text);
            returned = true;
        });
        EXPECT_TRUE(returned);
        EXPECT_EQ(texts, std::vector<std::string>{text});
    }
}

TEST(MsgBox, IsModalWithOneOkButtonAndSelectableText) {
    WithMessageBox([] { fw::MsgBox("Select me"); },
                   [](QMessageBox& box) {
                       EXPECT_TRUE(box.isModal());
                       EXPECT_EQ(box.buttons().size(), 1);
                       EXPECT_EQ(box.textFormat(), Qt::PlainText);
                       QLabel* label = TextOf(box);
                       ASSERT_NE(label, nullptr);
                       const auto flags = label->textInteractionFlags();
                       EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByMouse));
                       EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByKeyboard));
                       box.button(QMessageBox::Ok)->click();
                   });
}

TEST(MsgBox, TheKeyboardDismissesIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        bool returned = false;
        WithMessageBox(
            [&] {
                fw::MsgBox("Press a key");
                returned = true;
            },
            [key](QMessageBox& box) {
                QWidget* focus = box.focusWidget() != nullptr ? box.focusWidget() : &box;
                QTest::keyClick(focus, key);
            });
        EXPECT_TRUE(returned);
    }
}

TEST(MsgBox, CtrlCCopiesTheText) {
    const std::string text = "t must be between 0 and 999";
    struct Case {
        const char* where;
        bool onText;          // the key goes to the text rather than the button
        int selectionLength;  // 0: nothing selected
        std::string copied;
    };
    const Case cases[] = {
        {"OK button has the focus", false, 0, text},
        {"text has the focus, nothing selected", true, 0, text},
        {"text has the focus, part selected", true, 6, "t must"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        QGuiApplication::clipboard()->setText("before");
        WithMessageBox([&] { fw::MsgBox(text); },
                       [&](QMessageBox& box) {
                           QLabel* label = TextOf(box);
                           ASSERT_NE(label, nullptr);
                           QWidget* target = box.button(QMessageBox::Ok);
                           if (c.onText) {
                               label->setFocus();
                               target = label;
                               if (c.selectionLength > 0) {
                                   label->setSelection(0, c.selectionLength);
                               }
                           }
                           QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
                           box.done(0);
                       });
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.copied);
    }
}

}  // namespace
