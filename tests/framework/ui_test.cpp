// Windows, controls, menus, the timer and the message box as the program's
// windows use them, driven with real Qt events.
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "framework/core/PropertyTable.h"
#include "framework/ui/Application.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/Menu.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Window.h"
#include "tests/support/Gui.h"

namespace {

using fw::PropertyTable;
using testsupport::Widget;

// A window class whose controls and menu enabling the test gives.
class Probe : public fw::Window {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "Probe.Probe", &fw::Window::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("CreateControls", fw::MethodHandler(&Probe::CreateControls));
                r.handlers.emplace("EnableMenuItems", fw::MethodHandler(&Probe::EnableMenuItems));
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }
    std::function<void(Probe&)> build, enable = [](Probe&) {};

  private:
    void CreateControls() { build(*this); }
    void EnableMenuItems() { enable(*this); }
};

// A table of Integer entries, then whatever the caller adds.
PropertyTable Ints(std::initializer_list<std::pair<const char*, int64_t>> entries) {
    PropertyTable table;
    for (const auto& [name, value] : entries) {
        table.Integer(name, value);
    }
    return table;
}

// A shown window of that content size and type, with the controls build makes.
fw::Ref<Probe> MakeWindow(const std::function<void(Probe&)>& build, int64_t width = 600,
                          int64_t height = 400, int64_t type = 0) {
    auto w = fw::RuntimeNewObject<Probe>();
    w->build = [=](Probe& self) {
        fw::_SetProperties(self, Ints({{"Width", width}, {"Height", height}, {"Type", type}})
                                     .Boolean("Visible", true)
                                     .Boolean("HasBackgroundColor", true)
                                     .Color("BackgroundColor", 0x00FFFFFF));
        build(self);
    };
    w->Constructor();
    return w;
}

// A control made, kept and given its table as the program's windows do it.
template <class C>
fw::Ref<C> Add(Probe& w, const char* name, const PropertyTable& table) {
    auto control = w.__New<C>();
    control->Constructor();
    w._AddControl(name, control);
    fw::_SetProperties(*control, table);
    return control;
}

// The handlers the window binds: they note what they see; KeyDown answers by `swallow`.
struct Spy : fw::Object {
    std::function<bool(const std::string&)> swallow = [](const std::string&) { return true; };
    std::function<void()> onAction = [] {};
    std::vector<std::string> keys, actions;
    bool KeyDown(fw::Ref<fw::Control>, std::string key) {
        keys.push_back(key);
        return swallow(key);
    }
    void Action(fw::Ref<fw::Control> sender) {
        actions.push_back(sender->Name());
        onAction();
    }
};

template <class R, class... A>
void Bind(const fw::Ref<fw::Control>& control, const fw::EventDecl& event, R (Spy::*handler)(A...),
          const std::shared_ptr<Spy>& spy) {
    fw::RuntimeAddEventHandler(
        control, event.number,
        fw::RuntimeCreateDelegate(handler, spy, std::string(event.signature), 1));
}

// The calculator's kinds of control (G group box, T text field, L label, R radio
// button, P push button, C canvas, A text area), where they stand, in which box,
// and their tab indexes (not in the order they are made).
using Row = std::tuple<char, const char*, const char*, int, int, int, int, int64_t>;
const Row kControls[] = {Row{'G', "testBox", "", 73, 146, 106, 120, 1},
                         Row{'R', "ZBtn", "testBox", 78, 164, 42, 20, 0},
                         Row{'R', "TBtn", "testBox", 78, 188, 42, 20, 1},
                         Row{'R', "FBtn", "testBox", 78, 213, 42, 20, 2},
                         Row{'R', "XBtn", "testBox", 78, 238, 95, 20, 3},
                         Row{'G', "dfBox", "", 224, 160, 106, 106, 0},
                         Row{'T', "df2Edit", "dfBox", 245, 231, 62, 20, 1},
                         Row{'L', "Ntext", "dfBox", 257, 171, 17, 16, 4},
                         Row{'T', "df1Edit", "dfBox", 245, 186, 62, 20, 0},
                         Row{'P', "CalcBtn", "", 50, 350, 100, 30, 2},
                         Row{'C', "Canvas2", "", 289, 346, 30, 32, 5},
                         Row{'T', "pEdit", "", 469, 231, 62, 20, 10},
                         Row{'T', "zEdit", "", 471, 186, 62, 20, 8},
                         Row{'A', "Qfld", "", 300, 290, 100, 40, 14}};

class Ui : public testing::Test {
  protected:
    void SetUp() override {
        window = MakeWindow([this](Probe& self) {
            for (const auto& [kind, name, box, left, top, width, height, tab] : kControls) {
                const PropertyTable at = Ints({{"Left", left},
                                               {"Top", top},
                                               {"Width", width},
                                               {"Height", height},
                                               {"TabIndex", tab}})
                                             .String("InitialParent", box);
                kind == 'T'   ? Bind(Add<fw::TextField>(self, name, at), fw::TextField::kKeyDown,
                                     &Spy::KeyDown, spy)
                : kind == 'R' ? Bind(Add<fw::RadioButton>(self, name, at), fw::RadioButton::kAction,
                                     &Spy::Action, spy)
                : kind == 'P' ? Bind(Add<fw::PushButton>(self, name, at), fw::PushButton::kAction,
                                     &Spy::Action, spy)
                : kind == 'G' ? (void)Add<fw::GroupBox>(self, name, at)
                : kind == 'L' ? (void)Add<fw::Label>(self, name, at)
                : kind == 'C' ? (void)Add<fw::Canvas>(self, name, at)
                : kind == 'A' ? (void)Add<fw::TextArea>(self, name, at)
                              : void();
            }
        });
    }
    void TearDown() override {
        while (auto w = fw::_GetImplicitWindow("Probe.Probe")) {
            w->Close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <class C = fw::RectControl>
    fw::Ref<C> Get(const char* name) {
        return fw::RuntimeCheckCast<C>(window->_ControlByName(name));
    }
    QWidget* Of(const char* name) { return Widget(*Get(name)); }
    void Activate() {
        QApplication::setActiveWindow(testsupport::WindowWidget(*window));
        ASSERT_TRUE(QTest::qWaitForWindowActive(testsupport::WindowWidget(*window)));
    }
    std::shared_ptr<Spy> spy = std::make_shared<Spy>();
    fw::Ref<Probe> window;
};

TEST_F(Ui, ControlsStandAtTheirWindowPositionsAlsoInsideAGroupBox) {
    for (const auto& [kind, name, box, left, top, width, height, tab] : kControls) {
        EXPECT_EQ(testsupport::Place(*Get(name)), QRect(left, top, width, height)) << name;
        EXPECT_EQ(Of(name)->parentWidget(), *box ? Of(box) : testsupport::ContentWidget(*window));
    }
}

TEST_F(Ui, KeyDownGetsEachKeysTextButNoCtrlKey) {
    using R = std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*>;  // no text: no KeyDown
    for (const auto& [key, modifiers, text] :
         {R{Qt::Key_Backspace, {}, "\b"}, R{Qt::Key_Tab, {}, "\t"},
          R{Qt::Key_Backtab, Qt::ShiftModifier, "\t"}, R{Qt::Key_Return, {}, "\r"},
          R{Qt::Key_Enter, Qt::KeypadModifier, "\x03"}, R{Qt::Key_Left, {}, "\x1C"},
          R{Qt::Key_Right, {}, "\x1D"}, R{Qt::Key_Up, {}, "\x1E"}, R{Qt::Key_Down, {}, "\x1F"},
          R{Qt::Key_Delete, {}, "\x7F"}, R{Qt::Key_7, {}, "7"}, R{Qt::Key_Minus, {}, "-"},
          R{Qt::Key_Period, {}, "."}, R{Qt::Key_A, {}, "a"}, R{Qt::Key_F5, {}, ""},
          R{Qt::Key_Shift, Qt::ShiftModifier, nullptr}, R{Qt::Key_A, Qt::ControlModifier, nullptr},
          R{Qt::Key_V, Qt::ControlModifier, nullptr}}) {
        spy->keys.clear();
        QTest::keyClick(Of("df1Edit"), key, modifiers);
        EXPECT_EQ(spy->keys, text ? std::vector<std::string>{text} : std::vector<std::string>{})
            << QKeySequence(key | modifiers).toString().toStdString();
    }
}

TEST_F(Ui, TabFollowsTabIndexAndEntersAGroupBoxRightAfterIt) {
    spy->swallow = [](const std::string&) { return false; };
    Activate();
    Of("zEdit")->setFocus();
    std::string order;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (const auto& row : kControls) {
            order += Of(std::get<1>(row)) == QApplication::focusWidget() ? std::get<1>(row) : "";
        }
        order += " ";
    }
    EXPECT_EQ(order, "pEdit Qfld df1Edit df2Edit ZBtn CalcBtn ");
}

TEST_F(Ui, TheTimerFiresOnceShownOrHiddenAndNeverOnceItsWindowIsGone) {
    enum { Shown, Hidden, Closed };
    for (int state : {Shown, Hidden, Closed}) {
        const std::size_t before = spy->actions.size();
        auto w = MakeWindow([&](Probe& self) {
            auto timer = Add<fw::Timer>(self, "Timer1", Ints({{"Period", 50}, {"RunMode", 1}}));
            Bind(timer, fw::Timer::kAction, &Spy::Action, spy);
        });
        state == Hidden ? w->Hide() : state == Closed ? w->Close() : void();
        w.reset();
        testsupport::Wait(300);
        EXPECT_EQ(spy->actions.size() - before, state == Closed ? 0u : 1u) << state;
    }
}

// A shortcut, like the opening of its menu, first asks the window which items are enabled.
TEST_F(Ui, AMenuShortcutRunsItsItemOnlyWhileTheWindowEnablesIt) {
    auto bar = fw::RuntimeNewObject<fw::MenuBar>();
    auto edit = fw::RuntimeNewObject<fw::MenuItem>();
    auto undo = fw::RuntimeNewObject<fw::MenuItem>();
    edit->Name("Edit");
    edit->Value("Edit");
    undo->Name("EditUndo");
    undo->Value("Undo");
    undo->Shortcut("Cmd+Z");
    bar->AddMenu(edit);
    edit->AddMenu(undo);
    window->MenuBar(bar);
    int ran = 0;
    window->_AddMenuHandler("EditUndo", [&ran](fw::Object&, const fw::Args&) {
        ++ran;
        return fw::Variant(true);
    });
    bool allowed = false;
    window->enable = [&](Probe&) { undo->Enabled(allowed); };
    Activate();
    for (bool allow : {false, true, false}) {
        allowed = allow;
        QTest::keyClick(testsupport::WindowWidget(*window), Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(ran, 1);
}

TEST_F(Ui, AQuitBeforeTheRunEndsItAtOnceAndLeavesLaterMessageBoxesOpen) {
    QTimer hang;  // ends a run that did not end at once
    QObject::connect(&hang, &QTimer::timeout, [] { fw::Quit(9); });
    hang.start(2000);
    fw::Quit(5);
    fw::_RuntimeRun();
    EXPECT_EQ(fw::RuntimeExit(), 5);
    EXPECT_EQ(testsupport::DismissMessageBoxes([] { fw::MsgBox("Still\nopen"); }),
              std::vector<std::string>{"Still\nopen"});  // shown as written
}

// As the program's exception helper: hands runtime errors back, lets others escape.
std::exception_ptr HandBackRuntimeErrors(void (*fn)(void*), void* arg) {
    try {
        fn(arg);
    } catch (const fw::RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

TEST_F(Ui, AnExceptionLeavingAHandlerIsReportedAndTheProgramRunsOn) {
    using R = std::tuple<bool, std::function<void()>, const char*>;
    for (const auto& [helper, raise, report] :
         {R{true, [] { throw fw::NilObjectException("gone"); }, "NilObjectException: gone"},
          R{true, [] { throw std::out_of_range("index 9"); }, "std::out_of_range: index 9"},
          R{false, [] { throw fw::IllegalCastException("no"); }, "IllegalCastException: no"}}) {
        fw::_RuntimeSetExceptionHelper(helper ? &HandBackRuntimeErrors : nullptr);
        spy->onAction = raise;
        testing::internal::CaptureStderr();
        const auto texts = testsupport::DismissMessageBoxes(
            [&] { QTest::mouseClick(Of("CalcBtn"), Qt::LeftButton); });
        const std::string err = testing::internal::GetCapturedStderr();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_NE(texts[0].find(report), std::string::npos) << texts[0];
        EXPECT_NE(err.find(report), std::string::npos) << err;
    }
    fw::_RuntimeSetExceptionHelper(nullptr);
    spy->onAction = [] {};
    QTest::mouseClick(Of("CalcBtn"), Qt::LeftButton);
    EXPECT_EQ(spy->actions.size(), 4u);
}

// Run once on a normal screen and once on a double-density one.
TEST_F(Ui, PicturesOpenByNameOrNilAndACanvasDrawsThemInPointsSharpOnADenseScreen) {
    QDir folder(QCoreApplication::applicationDirPath() + "/resources");
    ASSERT_TRUE(folder.mkpath("."));
    for (const auto& [name, scale, color] : {std::tuple{"Plain.png", 1, Qt::red},
                                             {"Sharp.png", 1, Qt::red},
                                             {"Sharp@2x.png", 2, Qt::blue}}) {
        QImage image(30 * scale, 20 * scale, QImage::Format_ARGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(folder.filePath(name), "PNG"));
    }
    const QColor sharp = qApp->devicePixelRatio() > 1.0 ? Qt::blue : Qt::red;
    for (const auto& [name, color] : {std::pair{"Plain.png", QColor(Qt::red)},
                                      {"Sharp.png", sharp},
                                      {"Missing.png", QColor()}}) {
        fw::Ref<fw::Picture> picture = fw::Picture::_OpenFromApp(name);
        ASSERT_EQ(picture != nullptr, color.isValid()) << name;
        EXPECT_TRUE(!picture || (picture->Width() == 30 && picture->Height() == 20));
        Get<fw::Canvas>("Canvas2")->Backdrop(picture);
        const QImage shot = testsupport::ContentWidget(*window)->grab().toImage();
        for (const auto& [x, y, inside] :
             {std::tuple{289, 346, true}, {318, 365, true}, {289, 366, false}}) {
            EXPECT_EQ(shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio()),
                      inside && picture ? color : QColor(Qt::white))
                << name << " at " << x << "," << y;
        }
    }
    folder.removeRecursively();
}

// ---- Visible polish: a focus frame where the table allows one, also on a
// default button; a group box's frame on its edges, the window showing through
// a transparent one; a thin edge around a window of type 2.

TEST_F(Ui, AClickDrawsAFocusFrameWhereTheTableAllowsItAlsoOnADefaultButton) {
    // The entry set, and the rows from the top that show the frame: further
    // down a field's caret blinks.
    using R = std::tuple<const char*, const char*, bool, int>;
    for (const auto& [name, entry, frame, rows] :
         {R{"zEdit", "AllowFocusRing", true, 2}, R{"pEdit", "AllowFocusRing", false, 2},
          R{"Qfld", "AllowFocusRing", false, 2}, R{"CalcBtn", "Default", true, 30}}) {
        fw::_SetProperties(*Get(name), PropertyTable().Boolean(entry, frame));
        Activate();
        Of("df1Edit")->setFocus();
        const QRect edge =
            testsupport::Place(*Get(name)).adjusted(0, 0, 0, rows - Of(name)->height());
        const auto shot = [&] { return testsupport::ContentWidget(*window)->grab(edge).toImage(); };
        const QImage unfocused = shot();
        QTest::mouseClick(Of(name)->childAt(20, 10) ? Of(name)->childAt(20, 10) : Of(name),
                          Qt::LeftButton, {}, QPoint(20, 10));
        ASSERT_NE(QApplication::focusWidget(), Of("df1Edit"));
        EXPECT_EQ(shot() != unfocused, frame) << name;
        Of("df1Edit")->setFocus();
        EXPECT_EQ(shot(), unfocused) << name << " once the focus has left";
    }
}

TEST_F(Ui, AGroupBoxDrawsItsFrameOnItsEdgesAndTheWindowShowsThroughATransparentOne) {
    // A column and a row through the box clear of its controls; where they cross is inside.
    using R = std::tuple<const char*, const char*, bool, int, int>;
    std::vector<QImage> captions;  // the top rows of the captioned box, opaque then transparent
    for (const auto& [name, caption, transparent, x, y] :
         {R{"dfBox", "", true, 230, 215}, R{"dfBox", "", false, 230, 215},
          R{"testBox", "Test Statistic", false, 150, 262},
          R{"testBox", "Test Statistic", true, 150, 262}}) {
        fw::_SetProperties(*Get(name), PropertyTable()
                                           .String("Caption", caption)
                                           .Boolean("Bold", true)
                                           .Boolean("Transparent", transparent));
        const QImage shot = testsupport::ContentWidget(*window)->grab().toImage();
        const QRect place = testsupport::Place(*Get(name));
        std::vector<int> across, down;  // what is not white along the row and the column
        for (int i = place.left() - 8; i <= place.right() + 8; ++i) {
            shot.pixelColor(i, y) != QColor(Qt::white) ? across.push_back(i) : void();
        }
        for (int i = place.top() - 8; i <= place.bottom() + 8; ++i) {
            shot.pixelColor(x, i) != QColor(Qt::white) ? down.push_back(i) : void();
        }
        ASSERT_FALSE(across.empty() || down.empty()) << name;
        EXPECT_EQ(std::pair(across.front(), across.back()), std::pair(place.left(), place.right()))
            << name;
        EXPECT_EQ(down.back(), place.bottom()) << name;
        EXPECT_TRUE(*caption || down.front() == place.top())
            << name << " starts at " << down.front();
        EXPECT_EQ(shot.pixelColor(x, y) == QColor(Qt::white), transparent) << name;
        if (*caption) {
            captions.push_back(shot.copy(place.adjusted(0, 0, 0, 16 - place.height())));
        }
    }
    EXPECT_EQ(captions.front(), captions.back()) << "the caption does not change with transparency";
}

TEST_F(Ui, AWindowOfType2DrawsAThinEdgeAroundItsContent) {
    for (int64_t type : {0, 2}) {
        const QImage shot =
            testsupport::WindowWidget(*MakeWindow([](Probe&) {}, 200, 100, type))->grab().toImage();
        const int right = shot.width() - 1, bottom = shot.height() - 1;
        const QColor inside = shot.pixelColor(right / 2, bottom / 2);
        for (QPoint edge : {QPoint(0, bottom / 2), QPoint(right, bottom / 2), QPoint(right / 2, 0),
                            QPoint(right / 2, bottom)}) {
            EXPECT_EQ(shot.pixelColor(edge) != inside, type == 2) << edge.x() << "," << edge.y();
        }
        EXPECT_EQ(shot.pixelColor(1, 1), inside);
    }
}

// A window the window system minimised, also one hidden since, comes back on
// screen with Show: unminimised and active, as the platform sees it too.
TEST_F(Ui, ShowBringsBackAMinimisedWindow) {
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "hidden" : "left on screen");
        QWidget* top = testsupport::WindowWidget(*window);
        top->windowHandle()->showMinimized();
        if (hidden) {
            window->Hide();
        }
        QCoreApplication::processEvents();
        ASSERT_TRUE(top->isMinimized());
        window->Show();
        QCoreApplication::processEvents();
        EXPECT_FALSE(top->isMinimized());
        EXPECT_FALSE(top->windowHandle()->windowStates() & Qt::WindowMinimized);
        EXPECT_TRUE(top->isVisible() && window->Visible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(top));
    }
}

// A window with a text area that takes styled text and one that does not.
class Areas : public testing::Test {
  protected:
    void SetUp() override {
        window = MakeWindow([](Probe& self) {
            for (const auto& [name, styled, left] :
                 {std::tuple{"Styled", true, 0}, std::tuple{"Plain", false, 300}}) {
                Add<fw::TextArea>(
                    self, name,
                    Ints({{"Left", left}, {"Top", 0}, {"Width", 300}, {"Height", 200}})
                        .Boolean("AllowStyledText", styled));
            }
        });
    }
    void TearDown() override {
        window->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Pastes html (and its plain text) with Ctrl+V, as a person does, then paints the area.
    QTextEdit* Paste(const char* area, const QString& html, const QString& text) {
        auto* edit = qobject_cast<QTextEdit*>(testsupport::Control(*window, area));
        auto* data = new QMimeData;
        data->setHtml(html);
        data->setText(text);
        QGuiApplication::clipboard()->setMimeData(data);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        edit->grab();
        return edit;
    }
    fw::Ref<Probe> window;
};

TEST_F(Areas, AStyledPasteKeepsItsFormatOnlyWhereStyledTextIsAllowed) {
    for (const auto& [area, styled] : {std::pair{"Styled", true}, std::pair{"Plain", false}}) {
        SCOPED_TRACE(area);
        QTextEdit* edit = Paste(area,
                                "<p><b><i><u><span style=\"color:#ff0000; font-size:30pt\">Bold"
                                "</span></u></i></b> plain</p>",
                                "Bold plain");
        EXPECT_EQ(edit->toPlainText(), "Bold plain");
        QTextCursor cursor(edit->document());
        cursor.setPosition(1);
        const QTextCharFormat format = cursor.charFormat();
        EXPECT_EQ(format.fontWeight() == QFont::Bold, styled);
        EXPECT_EQ(format.fontItalic(), styled);
        EXPECT_EQ(format.fontUnderline(), styled);
        EXPECT_EQ(format.foreground().color() == QColor(0xFF, 0, 0), styled);
        EXPECT_EQ(format.fontPointSize() == 30, styled);
    }
}

// A private file and a FIFO without a writer, watched for being opened. Were
// the FIFO opened, it would hold the test up until the suite's time runs out.
struct NamedFiles {
    QTemporaryDir dir;
    QString fifo = dir.filePath("fifo"), file = dir.filePath("private");
    int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    bool ready = [this] {
        QFile plain(file);
        bool made = mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 &&
                    plain.open(QIODevice::WriteOnly) && plain.write("not a picture") > 0;
        for (const QString& path : {fifo, file}) {
            made = made && inotify_add_watch(watch, QFile::encodeName(path).constData(),
                                             IN_OPEN | IN_ACCESS) >= 0;
        }
        return made;
    }();
    ~NamedFiles() { close(watch); }
    // Whether one of them was opened since the last question.
    bool Opened() const {
        char event[sizeof(inotify_event) + 256];
        return read(watch, event, sizeof event) != -1;
    }
};

// Every way styled text can name a file; a paste of any of them reads none of
// the files, so a fault shows as a hang or an event.
TEST_F(Areas, AStyledPasteNeverOpensTheFilesItNames) {
    const NamedFiles named;
    ASSERT_TRUE(named.ready);
    const char* ways[] = {
        "<img src=\"%1\">",
        "<img src=\"file://%1\" width=\"20\" height=\"20\">",
        "<style>@import url(%1);</style>",
        "<span style=\"background-image: url(%1)\">x</span>",
        "<table background=\"%1\"><tr><td background=\"%1\">x</td></tr></table>",
    };
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        QString html = "<html><head></head><body><p>Named</p>";
        for (const QString& path : {named.fifo, named.file}) {
            html += QString::fromLatin1(way).arg(path);
        }
        QTextEdit* edit = Paste("Styled", html + "</body></html>", "Named");
        EXPECT_TRUE(edit->toPlainText().startsWith("Named"));
        EXPECT_FALSE(named.Opened()) << "a named file was opened";
        edit->clear();
    }
}

// What a paste or drop brings: formats in the order the source offers them.
// In the contents %1 stands for a private file and %2 for a FIFO.
using Formats = std::vector<std::pair<QString, QString>>;
struct PasteRow {
    const char* what;
    const char* area;  // "Styled" or "Plain"
    bool drop;         // dropped on the area, else pasted with Ctrl+V
    Formats formats;
    QString held;         // the area's text afterwards, spaces simplified
    const char* boldRed;  // a word that keeps bold and red; nullptr: nothing styled
};

QString Repeat(const char* part, int times) {
    return QString::fromUtf8(part).repeated(times);
}

// Markdown naming the files by every way its HTML or pictures can, with styles.
// (Qt's Markdown reader joins an HTML block to the paragraph before it.)
const QString kNamingMarkdown =
    "**Bold** <b style=\"color:#ff0000\">red</b>\n\n"
    "<p style=\"background-image: url(%1)\">one</p>\n\n"
    "<table background=\"%2\"><tr><td background=\"%1\">two</td></tr></table>\n\n"
    "<style>@import url(%2);</style>\n\n"
    "<div style=\"background-image: url(%2)\">three</div>\n\n"
    "![a](%1) ![b](%2)\n\n"
    "<img src=\"%2\"/>\n";
const QString kBoldRedHtml = "<p><b><span style=\"color:#ff0000\">Bold</span></b> plain</p>";

// clang-format off
const PasteRow kPastes[] = {
    {"an empty clipboard", "Styled", false, {}, "Kept", nullptr},
    {"an empty clipboard", "Plain", false, {}, "Kept", nullptr},
    {"Markdown with HTML", "Styled", false,
     {{"text/markdown", "**Bold** <b style=\"color:#ff0000\">red</b>"}}, "Kept Bold red", "red"},
    {"Markdown naming files", "Styled", false, {{"text/markdown", kNamingMarkdown}},
     "Kept Bold redone two three \uFFFC \uFFFC\uFFFC", "red"},
    {"Markdown naming files", "Styled", true,
     {{"text/markdown", kNamingMarkdown}, {"text/plain", "Named"}},
     "Kept Bold redone two three \uFFFC \uFFFC\uFFFC", "red"},
    {"Markdown naming files", "Plain", false,
     {{"text/markdown", kNamingMarkdown}, {"text/plain", "Named"}}, "Kept Named", nullptr},
    {"ordinary styled text", "Styled", false,
     {{"text/html", kBoldRedHtml}, {"text/plain", "x"}}, "Kept Bold plain", "Bold"},
    {"ordinary styled text", "Styled", true,
     {{"text/html", kBoldRedHtml}, {"text/plain", "x"}}, "Kept Bold plain", "Bold"},
    {"ordinary styled text", "Plain", false,
     {{"text/html", kBoldRedHtml}, {"text/plain", "Bold plain"}}, "Kept Bold plain", nullptr},
    {"ordinary styled text", "Plain", true,
     {{"text/html", kBoldRedHtml}, {"text/plain", "Bold plain"}}, "Kept Bold plain", nullptr},
    {"Qt's rich text", "Styled", false,
     {{"application/x-qrichtext", kBoldRedHtml}, {"text/plain", "x"}}, "Kept Bold plain", "Bold"},
    {"tables nested a few levels", "Styled", false,
     {{"text/html", Repeat("<table><tr><td>", 3) + kBoldRedHtml}}, "Kept Bold plain", "Bold"},
    // Structures that would keep the program busy arrive with their whole
    // text: the data's own plain text, or else the text the HTML holds.
    {"tables nested 25 deep", "Styled", false,
     {{"text/html", Repeat("<table><tr><td>", 25) + kBoldRedHtml}, {"text/plain", "Deep"}},
     "Kept Deep", nullptr},
    {"tables nested 8 deep, three cells each", "Styled", true,
     {{"text/html", Repeat("<table><tr><td>a</td><td>b<td>", 8) + "<b>z</b> &amp; &#233;"}},
     "Kept " + Repeat("a b ", 8) + "z & \u00e9", nullptr},
    {"tables after a table's last cell, which Qt nests each in the one before", "Styled", false,
     {{"text/html", "<table><tr><td>a</td></tr>" + Repeat("<table><tr><td>b</td></tr></table>", 25) +
                        "</table>" + kBoldRedHtml}},
     "Kept a " + Repeat("b ", 25) + "Bold plain", nullptr},
    {"tables nested 25 deep, named with entities", "Styled", false,
     {{"text/html", Repeat("<t&#97;ble><tr><td>", 25) + kBoldRedHtml}, {"text/plain", "Deep"}},
     "Kept Deep", nullptr},
    {"2,000 pictures in a paragraph", "Styled", false,
     {{"text/html", "<p><b>Pictures</b>" + Repeat("<img src=\"%1\">", 2000)},
      {"text/plain", "Pictures"}}, "Kept Pictures", nullptr},
    {"100 pictures after a long paragraph's text", "Styled", false,
     {{"text/html", "<p><b>" + Repeat("word ", 10000) + "</b>" + Repeat("<img src=\"%1\">", 100)},
      {"text/plain", "Long"}}, "Kept Long", nullptr},
    {"formats changing 100 times in a word", "Styled", false,
     {{"text/html", Repeat("<b>a</b><i>b</i>", 50)}}, "Kept " + Repeat("ab", 50), nullptr},
    {"a style sheet of 1,000 rules over 10,000 paragraphs", "Styled", false,
     {{"text/html", "<style>" + Repeat(".c { color: red }", 1000) + "</style><b>Bold</b>" +
                        Repeat("<p>w</p>", 10000)},
      {"text/plain", "Styled sheet"}}, "Kept Styled sheet", nullptr},
    {"spans nested 2,000 deep", "Styled", false,
     {{"text/html", Repeat("<span>", 2000) + "<b>Deep</b>"}}, "Kept Deep", nullptr},
    {"a list of 1,000 items", "Styled", false,
     {{"text/html", "<ul>" + Repeat("<li>i", 1000) + "</ul><b>End</b>"}},
     "Kept " + Repeat("i ", 1000) + "End", nullptr},
    {"Markdown holding tables nested 25 deep", "Styled", false,
     {{"text/markdown", "**Bold**\n\n" + Repeat("<table><tr><td>", 25) + "x"}},
     "Kept **Bold** " + Repeat("<table><tr><td>", 25) + "x", nullptr},
    {"a Markdown list of 1,000 items", "Styled", false,
     {{"text/markdown", "**Bold**\n\n" + Repeat("- i\n", 1000)}},
     "Kept **Bold** " + Repeat("- i ", 999) + "- i", nullptr},
    {"a Markdown table of 700 rows", "Styled", false,
     {{"text/markdown", "**Bold**\n\n| a | b |\n|---|---|\n" + Repeat("| x | y |\n", 700)}},
     "Kept **Bold** | a | b | |---|---| " + Repeat("| x | y | ", 699) + "| x | y |", nullptr},
    {"a Markdown paragraph of 5,000 lines", "Styled", false,
     {{"text/markdown", "**Bold**" + Repeat("\nline", 5000)}, {"text/plain", "Lines"}},
     "Kept Lines", nullptr},
};
// clang-format on

// What the area holds, its spaces simplified.
std::string Held(const QTextEdit& edit) {
    return edit.toPlainText().simplified().toStdString();
}

// Whether any character of the area is bold or red.
bool AnyStyled(const QTextEdit& edit) {
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.fontWeight() == QFont::Bold || format.foreground().color() == Qt::red) {
                return true;
            }
        }
    }
    return false;
}

// Each paste and drop leaves the area holding the text the row states, with
// its styles where they are allowed, opens none of the files it names, and
// one undo takes it back out.
TEST_F(Areas, EveryPasteAndDropLeavesTheAreaHoldingItsText) {
    const NamedFiles named;
    ASSERT_TRUE(named.ready);
    for (const PasteRow& row : kPastes) {
        SCOPED_TRACE(std::string(row.what) + " in " + row.area + (row.drop ? " by drop" : ""));
        auto* edit = qobject_cast<QTextEdit*>(testsupport::Control(*window, row.area));
        edit->setPlainText("Kept ");
        edit->moveCursor(QTextCursor::End);
        auto* data = new QMimeData;
        for (const auto& [format, content] : row.formats) {
            data->setData(
                format,
                QString(content).replace("%1", named.file).replace("%2", named.fifo).toUtf8());
        }
        if (row.drop) {
            // Dropped at the end of the first line, where the text ends.
            const QPoint at(edit->viewport()->width() - 5, 5);
            QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit->viewport(), &enter);
            QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit->viewport(), &move);
            QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit->viewport(), &drop);
            delete data;
        } else {
            QGuiApplication::clipboard()->setMimeData(data);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
        edit->grab();
        EXPECT_EQ(Held(*edit), row.held.toStdString());
        if (row.boldRed != nullptr) {
            QTextCursor word = edit->document()->find(row.boldRed);
            ASSERT_FALSE(word.isNull());
            EXPECT_EQ(word.charFormat().fontWeight(), QFont::Bold);
            EXPECT_EQ(word.charFormat().foreground().color(), Qt::red);
        } else {
            EXPECT_FALSE(AnyStyled(*edit));
        }
        EXPECT_FALSE(named.Opened()) << "a named file was opened";
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Held(*edit), "Kept");
    }
}

}  // namespace
