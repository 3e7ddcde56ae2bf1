// Windows on Qt: the size and frame a table gives, the menu bar above the
// content, the window events and a window's life as _GetImplicitWindow sees it.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "framework/ui/Menu.h"
#include "tests/framework/ui_probe.h"
#include "tests/support/Gui.h"

namespace {

using uitest::CloseProbes;
using uitest::MakeProbe;
using uitest::Probe;
using uitest::WindowLook;

class WindowTest : public ::testing::Test {
  protected:
    void TearDown() override { CloseProbes(); }
};

struct FrameCase {
    const char* name;
    WindowLook look;
};

class WindowFrameTest : public ::testing::TestWithParam<FrameCase> {
  protected:
    void TearDown() override { CloseProbes(); }
};

TEST_P(WindowFrameTest, TableGivesContentSizeAndFrame) {
    const WindowLook& look = GetParam().look;
    auto w = MakeProbe(look);
    QWidget* top = testsupport::WindowWidget(*w);
    QWidget* content = testsupport::ContentWidget(*w);

    EXPECT_EQ(content->size(), QSize(look.width, look.height));
    EXPECT_EQ(top->isVisible(), look.visible);
    EXPECT_EQ(w->Visible(), look.visible);
    EXPECT_EQ(top->windowTitle().toStdString(), look.title);
    EXPECT_EQ(w->Title(), look.title);
    // Every window of the program has one size only.
    EXPECT_EQ(top->minimumSize(), top->maximumSize());

    const Qt::WindowFlags flags = top->windowFlags();
    const bool frameless = look.type == 2;
    EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), frameless);
    EXPECT_EQ(flags.testFlag(Qt::WindowTitleHint), !frameless);
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), !frameless && look.hasCloseButton);
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    EXPECT_TRUE(content->autoFillBackground());
    const QColor background = content->palette().color(QPalette::Window);
    EXPECT_EQ(background.rgb() & 0xFFFFFFu, look.background & 0xFFFFFFu);
    EXPECT_EQ(background.alpha(), 255 - static_cast<int>(look.background >> 24));

    // A window without a frame of its own draws a thin edge around its content.
    const QImage shot = uitest::ProbeWidget(QString::fromStdString(look.title))->grab().toImage();
    const int right = shot.width() - 1, bottom = shot.height() - 1;
    const QColor inside = shot.pixelColor(right / 2, bottom / 2);
    for (QPoint edge : {QPoint(0, bottom / 2), QPoint(right, bottom / 2), QPoint(right / 2, 0),
                        QPoint(right / 2, bottom)}) {
        EXPECT_EQ(shot.pixelColor(edge) != inside, frameless) << edge.x() << "," << edge.y();
    }
    EXPECT_EQ(shot.pixelColor(1, 1), inside);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, WindowFrameTest,
    ::testing::Values(FrameCase{"Calculator", {600, 400, 0, "Quenvale", true, false, false, true}},
                      FrameCase{"Splash", {350, 200, 2, "", false, false, false, true}},
                      FrameCase{"Information", {475, 400, 0, "Information", true, false, false}},
                      FrameCase{"Hidden", {200, 100, 0, "Later", true, false, false, false}},
                      FrameCase{"Translucent",
                                {200, 100, 0, "Tinted", true, false, false, true, 0x80C80000}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, MenuBarSitsAboveTheContentWhichKeepsItsSize) {
    auto bar = fw::RuntimeNewObject<fw::MenuBar>();
    auto file = fw::RuntimeNewObject<fw::MenuItem>();
    file->Name("FileMenu");
    file->Value("File");
    bar->AddMenu(file);
    auto quit = fw::RuntimeNewObject<fw::QuitMenuItem>();
    quit->Name("FileQuit");
    quit->Value("Quit");
    file->AddMenu(quit);

    auto w = fw::RuntimeNewObject<Probe>();
    w->table = uitest::WindowTable({600, 400}).Bytes();
    w->createControls = [&](Probe& self) { self.MenuBar(bar); };
    w->Constructor();

    EXPECT_EQ(w->MenuBar(), bar);
    QMenuBar* menuBar = testsupport::MenuBarWidget(*w);
    ASSERT_NE(menuBar, nullptr);
    QWidget* content = testsupport::ContentWidget(*w);
    EXPECT_EQ(content->size(), QSize(600, 400));
    EXPECT_GE(content->y(), menuBar->geometry().bottom() + 1);
    EXPECT_GT(menuBar->height(), 0);
    EXPECT_EQ(testsupport::WindowWidget(*w)->height(), 400 + menuBar->height());
}

TEST_F(WindowTest, ConstructorRaisesTheBuildingEventsThenOpenWithControlsInPlace) {
    bool fieldThereAtOpen = false;
    auto w = fw::RuntimeNewObject<Probe>();
    w->table = uitest::WindowTable({}).Bytes();
    w->createControls = [](Probe& self) {
        self.Add<fw::TextField>("field", uitest::Place(fw::PropertyTable(), 10, 10, 60, 20));
    };
    w->onOpen = [&](Probe& self) { fieldThereAtOpen = self._ControlByName("field") != nullptr; };
    w->Constructor();

    EXPECT_EQ(w->log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers(self)",
                                                "Open"}));
    EXPECT_TRUE(fieldThereAtOpen);
    EXPECT_EQ(w->_ControlByName("nothing"), nullptr);
}

TEST_F(WindowTest, OpenIsRaisedOnceOnTheFirstShow) {
    WindowLook hidden;
    hidden.visible = false;
    auto w = MakeProbe(hidden);
    EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "Open"), 0);
    EXPECT_FALSE(testsupport::WindowWidget(*w)->isVisible());

    w->Show();
    w->Hide();
    w->Show();
    w->Show();
    EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "Open"), 1);
    EXPECT_TRUE(testsupport::WindowWidget(*w)->isVisible());
}

TEST_F(WindowTest, ImplicitWindowBeforeDuringAndAfterItsLife) {
    EXPECT_EQ(fw::_GetImplicitWindow("Probe.Probe"), nullptr);

    fw::Ref<fw::Window> seenWhileBuilding = std::make_shared<Probe>();
    auto w = fw::RuntimeNewObject<Probe>();
    w->table = uitest::WindowTable({}).Bytes();
    w->createControls = [&](Probe&) { seenWhileBuilding = fw::_GetImplicitWindow("Probe.Probe"); };
    w->Constructor();
    EXPECT_EQ(seenWhileBuilding, nullptr);  // live once it is built
    EXPECT_EQ(fw::_GetImplicitWindow("Probe.Probe"), w);
    EXPECT_EQ(fw::_GetImplicitWindow("Other.Other"), nullptr);

    w->Hide();
    EXPECT_EQ(fw::_GetImplicitWindow("Probe.Probe"), w);
    EXPECT_FALSE(w->Visible());

    w->Close();
    EXPECT_EQ(fw::_GetImplicitWindow("Probe.Probe"), nullptr);
}

TEST_F(WindowTest, ClosingTheWidgetRaisesCloseAndTheWindowIsGone) {
    fw::Ref<fw::TextField> field;
    auto w = MakeProbe({}, [&](Probe& self) {
        field = self.Add<fw::TextField>("field", uitest::Place(fw::PropertyTable(), 5, 5, 50, 20));
    });
    QPointer<QWidget> top = testsupport::WindowWidget(*w);
    QPointer<QWidget> fieldWidget = testsupport::Widget(*field);
    w->log.clear();

    EXPECT_TRUE(top->close());
    EXPECT_EQ(w->log, (std::vector<std::string>{"Close"}));
    EXPECT_EQ(fw::_GetImplicitWindow("Probe.Probe"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(top.isNull());
    EXPECT_TRUE(fieldWidget.isNull());
    EXPECT_EQ(testsupport::Widget(*field), nullptr);

    std::weak_ptr<Probe> weak = w;
    w.reset();  // nothing else holds a closed window
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(field->Window(), nullptr);
}

TEST_F(WindowTest, KeysNoControlTakesReachTheWindow) {
    auto w = MakeProbe();
    QWidget* top = testsupport::WindowWidget(*w);
    w->log.clear();

    QTest::keyClick(top, Qt::Key_A);
    QTest::keyClick(top, Qt::Key_Escape);
    QTest::keyClick(top, Qt::Key_Left);
    QTest::keyClick(top, Qt::Key_A, Qt::ControlModifier);  // a command
    QTest::keyClick(top, Qt::Key_Shift);                   // a modifier alone
    EXPECT_EQ(w->log, (std::vector<std::string>{"KeyDown a", "KeyDown \x1b", "KeyDown \x1c"}));
}

TEST_F(WindowTest, PressesNoControlClaimsReachTheWindowInContentCoordinates) {
    // Canvas "free" has no handler; "mine" claims presses when its answer says so.
    struct Target : public fw::Object {
        bool answer = false;
        std::vector<std::string> seen;
        bool MouseDown(fw::Ref<fw::Canvas>, int64_t x, int64_t y) {
            seen.push_back(std::to_string(x) + "," + std::to_string(y));
            return answer;
        }
    };
    auto target = std::make_shared<Target>();
    fw::Ref<fw::Canvas> free, mine;
    auto w = MakeProbe({}, [&](Probe& self) {
        free = self.Add<fw::Canvas>("free", uitest::Place(fw::PropertyTable(), 100, 50, 40, 30));
        mine = self.Add<fw::Canvas>("mine", uitest::Place(fw::PropertyTable(), 10, 120, 40, 30));
        fw::RuntimeAddEventHandler(
            mine, 21,
            fw::RuntimeCreateDelegate(&Target::MouseDown, target,
                                      "( Canvas, Integer, Integer ) as Boolean", 1));
    });
    w->log.clear();

    QTest::mouseClick(testsupport::ContentWidget(*w), Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseClick(testsupport::Widget(*free), Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseClick(testsupport::Widget(*mine), Qt::LeftButton, {}, QPoint(7, 8));
    target->answer = true;
    QTest::mouseClick(testsupport::Widget(*mine), Qt::LeftButton, {}, QPoint(9, 3));

    EXPECT_EQ(w->log, (std::vector<std::string>{"MouseDown 30,40", "MouseDown 105,56",
                                                "MouseDown 17,128"}));
    EXPECT_EQ(target->seen, (std::vector<std::string>{"7,8", "9,3"}));
}

TEST_F(WindowTest, MenuHandlersRunOnTheirWindow) {
    struct Counter : public Probe {
        int runs = 0;
        bool About() {
            ++runs;
            return true;
        }
    };
    auto w = fw::RuntimeNewObject<Counter>();
    w->table = uitest::WindowTable({}).Bytes();
    w->Constructor();
    EXPECT_FALSE(w->_HandleMenuItem("About"));

    w->_AddMenuHandler("About", fw::MethodHandler(&Counter::About));
    EXPECT_TRUE(w->_HandleMenuItem("About"));
    EXPECT_FALSE(w->_HandleMenuItem("Other"));
    EXPECT_EQ(w->runs, 1);
}

TEST_F(WindowTest, ABadWindowTableIsAnError) {
    auto w = fw::RuntimeNewObject<Probe>();
    w->table = fw::PropertyTable().Integer("Width", 300).String("Colour", "red").Bytes();
    EXPECT_THROW(w->Constructor(), fw::PropertyTableException);
    EXPECT_THROW(w->SetProperty("Width", std::string("wide")), fw::PropertyTableException);
    EXPECT_EQ(fw::_GetImplicitWindow("Probe.Probe"), nullptr);
}

}  // namespace
