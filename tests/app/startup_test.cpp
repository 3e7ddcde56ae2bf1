// The start-up: what it leaves before the event loop runs, the exit code and the
// failure road. The runtime's late start-up runs once per process, so the failed
// start-up (which never reaches it) comes before the full run.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "app/FileTypes.h"
#include "framework/ui/Application.h"
#include "framework/ui/Window.h"
#include "startup/Startup.h"
#include "tests/support/Gui.h"

namespace {

int RunMain() {
    static char name[] = "quenvale";
    static char* argv[] = {name, nullptr};
    return QuenvaleMain(1, argv);
}

bool Live(const char* className) {
    return fw::_GetImplicitWindow(className) != nullptr;
}

// An application object registered before the start-up makes the start-up's own
// registration fail.
TEST(Startup, EarlyFailureOpensNoWindowAndStillReturnsTheExitCode) {
    fw::_RuntimeRegisterAppObject(fw::RuntimeNewObject<fw::Application>());
    int code = -1;
    const std::vector<std::string> reports =
        testsupport::DismissMessageBoxes([&] { code = RunMain(); });

    // Reported once; then no application object, no window, no loop.
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("application object"), std::string::npos) << reports[0];
    EXPECT_EQ(fw::App(), nullptr);
    EXPECT_FALSE(Live("SplashWnd.SplashWnd") || Live("MainWnd.MainWnd"));
    EXPECT_EQ(code, 0);
}

TEST(Startup, OpensTheSplashWindowOnlyAndReturnsTheQuitCode) {
    std::string windows = "the loop never ran";
    // The first turn of the event loop sees what the start-up left, then quits.
    QTimer::singleShot(200, [&] {
        auto splash = fw::_GetImplicitWindow("SplashWnd.SplashWnd");
        windows =
            std::string(splash && testsupport::WindowWidget(*splash)->isVisible() ? "splash" : "") +
            (Live("MainWnd.MainWnd") ? ", calculator" : "") +
            (Live("Qwindow.Qwindow") ? ", information" : "");
        fw::Quit(5);
    });
    EXPECT_EQ(RunMain(), 5);

    EXPECT_EQ(windows, "splash") << "the calculator window waits for the splash timer";

    // The file type is registered once: converting it again moves it behind no other type.
    fw::RuntimeRegisterFileType("probe", "", "", "", "");
    EXPECT_EQ(FileTypes::Text()->ToString(), "text");
    std::vector<std::string> registered;
    for (const fw::RegisteredFileType& type : fw::RuntimeRegisteredFileTypes()) {
        registered.push_back(type.name + " " + type.type + " " + type.creator + " " +
                             type.extensions);
    }
    EXPECT_EQ(registered, (std::vector<std::string>{"text TEXT R*ch ", "probe   "}));
}

}  // namespace
