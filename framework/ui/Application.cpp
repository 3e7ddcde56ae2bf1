#include "framework/ui/Application.h"

#include <cxxabi.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <typeinfo>
#include <vector>

#include "framework/core/Delegate.h"
#include "framework/core/FileType.h"
#include "framework/ui/Control.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/Menu.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Window.h"

namespace fw {

namespace {

struct RuntimeState {
    bool supportsHiDPI = false;
    ExceptionHelper helper = nullptr;
    double frameworkVersion = 0;
    Ref<Application> app;
    bool initialized = false;  // the late start-up has been run
    bool running = false;      // inside _RuntimeRun's event loop
    bool quitPending = false;  // Quit came before the loop started
    bool finalizing = false;
    bool reporting = false;  // an unhandled exception is on screen
    int32_t exitCode = 0;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

std::string Demangle(const char* name) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(
        abi::__cxa_demangle(name, nullptr, nullptr, &status), std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(name);
}

// "ClassName: message" for whatever was thrown.
std::string Describe(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeException& e) {
        return std::string(e.ClassName()) + ": " + e.what();
    } catch (const std::exception& e) {
        return Demangle(typeid(e).name()) + ": " + e.what();
    } catch (...) {
        return "an exception of unknown class";
    }
}

// What Qt says while the GUI starts is held back: when Qt gives up, one plain
// line replaces it all; otherwise it goes out as usual.
struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};

struct StartupMessages {
    std::mutex lock;
    std::vector<HeldMessage> held;
    QString programName;
    // Qt's counts from QT_FATAL_CRITICALS and QT_FATAL_WARNINGS: the critical or
    // warning that finds its count at 1 is fatal; at 0 none is.
    int fatalCriticals = 0, fatalWarnings = 0;
};

StartupMessages& HeldStartupMessages() {
    static StartupMessages messages;
    return messages;
}

std::string OrEmpty(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

// Why Qt gave up on the message `fatal`: the display when it could not be
// opened, else the platform plugins' own complaints, else the first line of
// `fatal` (the rest lists the plugins there are).
QString StartupFailure(const std::vector<HeldMessage>& held, const QString& fatal) {
    QStringList plugins;
    for (const HeldMessage& m : held) {
        // Debug and info messages tell of what went on, not of what failed.
        if (m.type != QtWarningMsg && m.type != QtCriticalMsg) {
            continue;
        }
        if (m.category == "qt.qpa.xcb" && m.text.startsWith(u"could not connect to display")) {
            const QString display = qEnvironmentVariable("DISPLAY");
            return display.isEmpty() ? QStringLiteral("could not open the display")
                                     : QStringLiteral("could not open the display ") + display;
        }
        if (m.category == "qt.qpa.plugin") {
            plugins.append(m.text);
        }
    }
    return !plugins.isEmpty() ? plugins.join(u"; ")
                              : fatal.section(u'\n', 0, 0, QString::SectionSkipEmpty);
}

// The program's name, DISPLAY and the platform's name come from outside: their
// control characters are shown as \xNN, so the line stays one line and no
// escape sequence reaches the terminal.
std::string OneLine(const QString& text) {
    QString line;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) {
            line += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            line += c;
        }
    }
    return line.toLocal8Bit().toStdString();
}

// The count Qt starts from for the variable `name`: 0 when it is unset or
// empty, 1 when it is not a number.
int FatalCount(const char* name) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const int count = value.toInt(&ok, 0);
    return value.isEmpty() ? 0 : ok ? count : 1;
}

// Counts this message down from Qt's fatal count, as Qt does, and says whether
// it was the one that makes Qt end the process once the handler returns. As in
// Qt 6.4, a critical counts down only QT_FATAL_CRITICALS' count, a warning only
// QT_FATAL_WARNINGS'.
bool CountDownFatal(QtMsgType type, StartupMessages& messages) {
    int* left = type == QtCriticalMsg  ? &messages.fatalCriticals
                : type == QtWarningMsg ? &messages.fatalWarnings
                                       : nullptr;
    // A count at 0 or below never comes down to 1 (nor does Qt's), so it is left
    // as it is rather than counted past the smallest int.
    return left != nullptr && *left > 0 && (*left)-- == 1;
}

void PrintStartupFailure(const QString& programName, const QString& cause) {
    const std::string line = OneLine(programName + QStringLiteral(": ") + cause);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    StartupMessages& messages = HeldStartupMessages();
    std::lock_guard guard(messages.lock);
    if (type != QtFatalMsg) {
        messages.held.push_back({type, OrEmpty(context.file), OrEmpty(context.function),
                                 OrEmpty(context.category), context.line, text});
        if (!CountDownFatal(type, messages)) {
            return;
        }
    }
    PrintStartupFailure(messages.programName, StartupFailure(messages.held, text));
    // A fatal message of the program's own ends here with status 1; a warning
    // or critical made fatal from outside returns, and Qt's abort follows, as
    // was asked for.
    if (type == QtFatalMsg) {
        std::_Exit(1);
    }
}

// Qt offers what the program copied to a clipboard manager while the GUI goes
// away, and only then asks the copy for its formats. A text control's copy works
// some out on first asking (its Markdown needs the fonts of the GUI that is
// going, and Qt aborts), so the clipboard and the selection get a plain copy of
// their text and HTML while the GUI is still whole.
void KeepCopiedText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        const bool owned =
            mode == QClipboard::Clipboard ? clipboard->ownsClipboard() : clipboard->ownsSelection();
        const QMimeData* copied = owned ? clipboard->mimeData(mode) : nullptr;
        if (copied == nullptr) {
            continue;
        }
        auto* plain = new QMimeData;
        if (copied->hasText()) {
            plain->setText(copied->text());
        }
        if (copied->hasHtml()) {
            plain->setHtml(copied->html());
        }
        clipboard->setMimeData(plain, mode);
    }
}

bool OnGuiThread() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace

const ClassRecord& Application::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("Application", &Object::StaticClass());
    return record;
}

void Application::_x_SetVersionData(int64_t major, int64_t minor, int64_t bug, int64_t nonRelease,
                                    int64_t stage, std::string longVersion,
                                    std::string shortVersion, std::string packageInfo) {
    major_ = major;
    minor_ = minor;
    bug_ = bug;
    nonRelease_ = nonRelease;
    stage_ = stage;
    longVersion_ = std::move(longVersion);
    shortVersion_ = std::move(shortVersion);
    packageInfo_ = std::move(packageInfo);
}

// Qt 6 always lays windows out in device-independent pixels and draws pixmaps at
// their own device pixel ratio, so the declaration is kept for the program to read
// and changes nothing else.
void Application::_SetSupportsHiDPI(bool value) {
    State().supportsHiDPI = value;
}

bool Application::SupportsHiDPI() {
    return State().supportsHiDPI;
}

void RuntimeInit(int argc, char** argv) {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    // Qt gets the program's name and nothing else: the program takes no options,
    // and Qt's own (-platform, -style, ...) would change it from outside. Qt
    // keeps referring to them for as long as the application lives.
    static int keptArgc = 1;
    static char fallbackName[] = "quenvale";
    static char* keptArgv[] = {fallbackName, nullptr};
    if (argc > 0 && argv != nullptr && argv[0] != nullptr && *argv[0] != '\0') {
        keptArgv[0] = argv[0];
    }
    StartupMessages& messages = HeldStartupMessages();
    messages.programName = QFileInfo(QString::fromLocal8Bit(keptArgv[0])).fileName();
    // Qt reads these at its first critical or warning, which comes no earlier.
    messages.fatalCriticals = FatalCount("QT_FATAL_CRITICALS");
    messages.fatalWarnings = FatalCount("QT_FATAL_WARNINGS");
    const QtMessageHandler previous = qInstallMessageHandler(HoldStartupMessage);
    // Destroyed by RuntimeShutDown, if at all: a process that never calls it
    // (a test) keeps it to the end.
    new QApplication(keptArgc, keptArgv);
    qInstallMessageHandler(previous);
    std::vector<HeldMessage> held;
    {
        std::lock_guard guard(messages.lock);
        held.swap(messages.held);
    }
    // A platform may start without a screen; the first window would make Qt abort.
    if (QGuiApplication::primaryScreen() == nullptr) {
        PrintStartupFailure(messages.programName, QStringLiteral("no screen to show windows on"));
        std::_Exit(1);
    }
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(),
                                         m.category.c_str());
        if (previous != nullptr) {
            previous(m.type, context, m.text);
        }
    }
    // The application ends by Quit only; closing windows does not end it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void _RuntimeSetExceptionHelper(ExceptionHelper helper) {
    State().helper = helper;
}

void _RuntimeSetFrameworkVersion(double version) {
    State().frameworkVersion = version;
}

double RuntimeFrameworkVersion() {
    return State().frameworkVersion;
}

void _RuntimeInitExternalClasses() {
    using Builder = const ClassRecord& (*)();
    static constexpr Builder builtIn[] = {
        &Object::StaticClass,     &WeakRef::StaticClass,      &Delegate::StaticClass,
        &FileType::StaticClass,   &Application::StaticClass,  &Window::StaticClass,
        &Control::StaticClass,    &RectControl::StaticClass,  &GroupBox::StaticClass,
        &TextField::StaticClass,  &Label::StaticClass,        &RadioButton::StaticClass,
        &PushButton::StaticClass, &Canvas::StaticClass,       &Separator::StaticClass,
        &TextArea::StaticClass,   &Timer::StaticClass,        &MenuItem::StaticClass,
        &MenuBar::StaticClass,    &QuitMenuItem::StaticClass, &AppleMenuItem::StaticClass,
        &Picture::StaticClass,
    };
    for (Builder build : builtIn) {
        build();
    }
    // The classes that have no objects of their own here: the errors the
    // runtime raises (C++ exceptions) and the message box (MsgBox).
    static constexpr std::pair<const char*, const char*> kRecordsOnly[] = {
        {"RuntimeException", "Object"},
        {"NilObjectException", "RuntimeException"},
        {"IllegalCastException", "RuntimeException"},
        {"PropertyTableException", "RuntimeException"},
        {"EventBindingException", "RuntimeException"},
        {"MessageDialog", "Object"},
    };
    for (const auto& [name, parent] : kRecordsOnly) {
        RuntimeClassRecord(name, RuntimeLookupClass(parent));
    }
}

// This framework has no plug-in controls, so there are no entry points to fill in.
void _InitPluginEntrypoints() {}

void _RuntimeRegisterAppObject(const Ref<Application>& app) {
    if (!app) {
        throw NilObjectException("nil registered as the application object");
    }
    // There is one application object per run.
    if (State().app) {
        throw RuntimeException("an application object is registered already");
    }
    State().app = app;
    if (QCoreApplication::instance() != nullptr) {
        // Dialog titles and the platform's application name follow the package.
        if (!app->PackageInfo().empty()) {
            QCoreApplication::setApplicationName(QString::fromStdString(app->PackageInfo()));
        }
        if (!app->ShortVersion().empty()) {
            QCoreApplication::setApplicationVersion(QString::fromStdString(app->ShortVersion()));
        }
    }
}

Ref<Application> App() {
    return State().app;
}

void _RunFrameworkInitialization(void (*lateStartup)()) {
    RuntimeState& state = State();
    if (state.initialized) {
        return;
    }
    if (lateStartup == nullptr) {
        throw NilObjectException("no late start-up routine");
    }
    state.initialized = true;
    // Run at once, before the event loop exists: no input can come first. An
    // exception passes to the main routine, which then skips the event loop.
    lateStartup();
}

void _RuntimeRun() {
    RuntimeState& state = State();
    if (QCoreApplication::instance() == nullptr || state.running) {
        return;
    }
    if (state.quitPending) {
        state.quitPending = false;
        return;
    }
    state.running = true;
    QCoreApplication::exec();
    state.running = false;
}

void _UnhandledException(std::exception_ptr error) {
    if (!error) {
        return;
    }
    RuntimeState& state = State();
    try {
        const std::string text = "Unhandled exception " + Describe(error);
        std::fprintf(stderr, "%s\n", text.c_str());
        std::fflush(stderr);
        // While one report is on screen, further ones (a handler failing again
        // under the open box) go to standard error only.
        if (!state.reporting && !state.finalizing && OnGuiThread()) {
            state.reporting = true;
            MsgBox(text);
            state.reporting = false;
        }
    } catch (...) {
        state.reporting = false;
        std::fputs("Unhandled exception (no report possible)\n", stderr);
    }
}

void RuntimePerformFinalizers() {
    RuntimeState& state = State();
    state.finalizing = true;
    state.app.reset();
    if (OnGuiThread()) {
        // Closing the windows as their close buttons do lets each window drop
        // itself and its controls; what they leave for later is deleted now.
        QList<QPointer<QWidget>> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->parentWidget() == nullptr) {
                windows.append(widget);
            }
        }
        for (const QPointer<QWidget>& widget : windows) {
            if (widget) {
                widget->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.finalizing = false;
}

int32_t RuntimeExit() {
    return State().exitCode;
}

void RuntimeShutDown() {
    if (!OnGuiThread()) {
        return;
    }
    KeepCopiedText();
    delete QCoreApplication::instance();
}

void Quit(int64_t code) {
    RuntimeState& state = State();
    // The windows that close during finalisation must not change the code.
    if (state.finalizing) {
        return;
    }
    state.exitCode = static_cast<int32_t>(code);
    if (state.running) {
        QCoreApplication::exit(static_cast<int>(code));
    } else {
        // QCoreApplication::exit outside exec would also end every later
        // nested loop (message boxes); remember it for _RuntimeRun instead.
        state.quitPending = true;
    }
}

void RuntimeDispatch(void (*fn)(void*), void* arg) {
    std::exception_ptr error;
    try {
        if (ExceptionHelper helper = State().helper) {
            error = helper(fn, arg);
        } else {
            fn(arg);
        }
    } catch (...) {
        error = std::current_exception();
    }
    if (error) {
        _UnhandledException(error);
    }
}

}  // namespace fw
