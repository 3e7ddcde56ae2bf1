// Window on Qt: a top-level widget with the menu bar, if any, above a content
// area of exactly the table's size, on which the controls sit.
#include "framework/ui/Window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "framework/ui/Application.h"
#include "framework/ui/Menu.h"
#include "framework/ui/detail/ControlImpl.h"
#include "framework/ui/detail/Keys.h"
#include "framework/ui/detail/MenuView.h"

namespace fw {

struct Window::Impl {
    QPointer<QWidget> top;
    QPointer<QWidget> content;
    // The bar drawn on the window when it has one of its own (menuBar); the
    // view that shows that bar's items, or else the application's bar's
    // shortcuts.
    QPointer<QMenuBar> menuBarWidget;
    QPointer<QObject> menuView;
    Ref<fw::MenuBar> menuBar;
    std::vector<std::pair<std::string, Ref<Object>>> controls;  // in the order added
    std::map<std::string, EventHandler, std::less<>> menuHandlers;

    int64_t width = 600, height = 400, type = 0;
    std::string title;
    bool hasCloseButton = true, hasMinimizeButton = true, visible = false;
    bool hasBackgroundColor = false, menuBarVisible = true;
    Color backgroundColor{0x00FFFFFF};

    bool constructorRan = false;  // Constructor is done with the window events
    bool built = false;           // Constructor has finished: Visible now shows and hides
    bool placed = false, opened = false, closed = false;
};

namespace {

using W = Window::Impl;
using PT = PropertyType;

// The windows' tables set every one of these; the ones without a member
// change nothing that shows, since every window of the program has a fixed
// size and the framework's placement.
const detail::Field<W> kWindowFields[] = {
    {"Width", PT::Integer, &W::width},
    {"Height", PT::Integer, &W::height},
    {"MinimumWidth", PT::Integer},
    {"MinimumHeight", PT::Integer},
    {"MaximumWidth", PT::Integer},
    {"MaximumHeight", PT::Integer},
    {"Type", PT::Integer, &W::type},
    {"Title", PT::String, &W::title},
    {"HasCloseButton", PT::Boolean, &W::hasCloseButton},
    {"HasMaximizeButton", PT::Boolean},
    {"HasMinimizeButton", PT::Boolean, &W::hasMinimizeButton},
    {"HasFullScreenButton", PT::Boolean},
    {"Resizeable", PT::Boolean},
    {"Composite", PT::Boolean},
    {"MacProcID", PT::Integer},
    {"FullScreen", PT::Boolean},
    {"DefaultLocation", PT::Integer},
    {"Visible", PT::Boolean, &W::visible},
    {"HasBackgroundColor", PT::Boolean, &W::hasBackgroundColor},
    {"BackgroundColor", PT::Color, &W::backgroundColor},
    {"MenuBarVisible", PT::Boolean, &W::menuBarVisible},
    {"LiveResize", PT::Boolean},
};

// The live windows, held until they are closed. Never destroyed: windows still
// open at exit must not reach Qt after it has gone.
std::vector<Ref<Window>>& LiveWindows() {
    static auto* live = new std::vector<Ref<Window>>;
    return *live;
}

int ClampSize(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, QWIDGETSIZE_MAX));
}

// The top-level widget: the close button, and keys that no control takes.
class TopWidget final : public QWidget {
  public:
    explicit TopWidget(std::weak_ptr<Object> window) : window_(std::move(window)) {}

  protected:
    void closeEvent(QCloseEvent* e) override {
        Ref<Object> object = window_.lock();
        auto* window = dynamic_cast<Window*>(object.get());
        if (window == nullptr || window->_Impl().closed) {
            e->accept();
            return;
        }
        // A window without a close button cannot be closed by the user.
        if (e->spontaneous() && !window->_Impl().hasCloseButton) {
            e->ignore();
            return;
        }
        RuntimeDispatch([window] { window->Close(); });
        e->setAccepted(window->_Impl().closed);
    }

    void keyPressEvent(QKeyEvent* e) override {
        auto text = keys::KeyDownText(*e);
        if (!text || !detail::IsTrue(detail::DispatchClassEvent(window_, "KeyDown", {*text}))) {
            QWidget::keyPressEvent(e);
        }
    }

  private:
    std::weak_ptr<Object> window_;
};

// The content area: mouse presses that no control claims, in its coordinates.
class ContentWidget final : public QWidget {
  public:
    ContentWidget(std::weak_ptr<Object> window, QWidget* parent)
        : QWidget(parent), window_(std::move(window)) {}

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        const QPoint at = e->position().toPoint();
        e->setAccepted(detail::IsTrue(
            detail::DispatchClassEvent(window_, "MouseDown", {int64_t{at.x()}, int64_t{at.y()}})));
    }

    // A window of type 2 gets no frame from the window manager; a thin edge
    // inside its content keeps it from melting into a window behind it.
    void paintEvent(QPaintEvent*) override {
        Ref<Object> object = window_.lock();
        auto* window = dynamic_cast<Window*>(object.get());
        if (window != nullptr && window->_Impl().type == 2) {
            QPainter painter(this);
            painter.setPen(QColor(128, 128, 128));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

  private:
    std::weak_ptr<Object> window_;
};

Qt::WindowFlags Flags(const W& d) {
    Qt::WindowFlags flags = Qt::Window;
    if (d.type == static_cast<int64_t>(Window::Types::PlainBox)) {
        return flags | Qt::FramelessWindowHint;  // no title bar, no close button
    }
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (d.hasCloseButton) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (d.hasMinimizeButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    return flags;
}

// Size, frame, title and colour from the properties.
void ApplyFrame(W& d) {
    QWidget* top = d.top;
    QWidget* content = d.content;
    if (top == nullptr || content == nullptr) {
        return;
    }
    const Qt::WindowFlags flags = Flags(d);
    if (top->windowFlags() != flags) {
        const bool shown = top->isVisible();
        top->setWindowFlags(flags);  // hides the window
        if (shown) {
            top->show();
        }
    }
    top->setWindowTitle(QString::fromStdString(d.title));

    auto* layout = static_cast<QVBoxLayout*>(top->layout());
    content->setFixedSize(ClampSize(d.width), ClampSize(d.height));
    layout->setSizeConstraint(QLayout::SetFixedSize);  // the user cannot resize it
    if (d.menuBarWidget) {
        d.menuBarWidget->setVisible(d.menuBarVisible);
    }
    content->setAutoFillBackground(d.hasBackgroundColor);
    QPalette palette;
    if (d.hasBackgroundColor) {
        palette.setColor(QPalette::Window, detail::ToQColor(d.backgroundColor));
    }
    content->setPalette(palette);
    layout->activate();
}

void EnsureWidgets(Window& window) {
    W& d = window._Impl();
    if (d.top || d.closed) {
        return;
    }
    auto* top = new TopWidget(window.weak_from_this());
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* content = new ContentWidget(window.weak_from_this(), top);
    layout->addWidget(content);
    d.top = top;
    d.content = content;
    // The application's bar serves every window: until the window sets a bar
    // of its own, the application's shortcuts work in it.
    if (Ref<Application> app = App(); app && app->MenuBar()) {
        d.menuView = menuview::Build(window, app->MenuBar(), top, nullptr);
    }
    ApplyFrame(d);
}

// The keyboard order: the window's controls by TabIndex, and right after a
// group box the controls inside it, by their own TabIndex.
void UpdateTabOrder(W& d) {
    struct Entry {
        int64_t tabIndex;
        std::size_t order;
        const std::string* name;
        QWidget* widget;
        std::string parent;  // the group box's name, or empty for the window
    };
    std::vector<Entry> entries;
    std::set<std::string, std::less<>> boxes;
    for (const auto& [name, object] : d.controls) {
        auto control = std::dynamic_pointer_cast<RectControl>(object);
        if (!control || control->_Widget() == nullptr) {
            continue;
        }
        const Control::Impl& state = control->_Impl();
        QWidget* box = detail::GroupBoxWidget(state);
        entries.push_back(
            {state.tabIndex, entries.size(), &name, control->_Widget(),
             box != nullptr && box != control->_Widget() ? state.initialParent : std::string()});
        if (std::dynamic_pointer_cast<GroupBox>(object)) {
            boxes.insert(name);
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.tabIndex < b.tabIndex; });
    std::vector<QWidget*> chain;
    std::set<std::string, std::less<>> visited;
    std::function<void(const std::string&)> visit = [&](const std::string& parent) {
        for (const Entry& entry : entries) {
            if (entry.parent != parent) {
                continue;
            }
            chain.push_back(entry.widget);
            if (boxes.contains(*entry.name) && visited.insert(*entry.name).second) {
                visit(*entry.name);
            }
        }
    };
    visit(std::string());
    QWidget* previous = nullptr;
    for (QWidget* w : chain) {
        if (w->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, w);
        }
        previous = w;
    }
}

// Where a window goes when it is first shown: centred on its screen.
void Place(W& d) {
    QWidget* top = d.top;
    QScreen* screen = top->screen() != nullptr ? top->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = top->size();
    top->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

// The window is gone: no longer live, its widget (and the controls' with it) deleted.
void Discard(Window& window) {
    W& d = window._Impl();
    d.closed = true;
    d.visible = false;
    auto& live = LiveWindows();
    std::erase_if(live, [&](const Ref<Window>& w) { return w.get() == &window; });
    if (d.top) {
        d.top->hide();
        d.top->deleteLater();  // may be in the middle of its own close event
    }
}

}  // namespace

Window::Window() : impl_(std::make_unique<Impl>()) {}

Window::~Window() {
    if (impl_->top && QCoreApplication::instance() != nullptr) {
        impl_->top->hide();
        impl_->top->deleteLater();
    }
}

const ClassRecord& Window::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("Window", &Object::StaticClass(), [](ClassRecord& r) {
            for (const auto& field : kWindowFields) {
                r.properties.emplace(std::string(field.name), field.type);
            }
        });
    return record;
}

void Window::Constructor() {
    Impl& d = *impl_;
    if (d.constructorRan) {
        return;
    }
    d.constructorRan = true;
    Ref<Object> self = weak_from_this().lock();
    if (!self) {
        throw NilObjectException("a window constructed outside a reference");
    }
    EnsureWidgets(*this);
    RaiseClassEvent(*this, "Layout");
    RaiseClassEvent(*this, "CreateControls");
    RaiseClassEvent(*this, "AddMenuHandlers", {self});
    LiveWindows().push_back(std::static_pointer_cast<Window>(self));
    d.built = true;
    UpdateTabOrder(d);
    if (d.visible) {
        Show();
    }
}

void Window::Show() {
    Impl& d = *impl_;
    EnsureWidgets(*this);
    if (!d.top) {
        return;  // closed
    }
    d.visible = true;
    UpdateTabOrder(d);
    if (!d.placed) {
        d.placed = true;
        d.top->layout()->activate();
        Place(d);
    }
    // A minimised window comes back first: show, raise and activate all leave
    // it minimised.
    if (d.top->isMinimized()) {
        d.top->setWindowState(d.top->windowState() & ~Qt::WindowMinimized);
    }
    // A window already on screen comes to the front; a new one arrives there.
    if (d.top->isVisible()) {
        d.top->raise();
    }
    d.top->show();
    d.top->activateWindow();
    if (!d.opened) {
        d.opened = true;
        RaiseClassEvent(*this, "Open");
    }
}

void Window::Hide() {
    impl_->visible = false;
    if (impl_->top) {
        impl_->top->hide();
    }
}

bool Window::Visible() const {
    return impl_->visible;
}

void Window::Close() {
    Impl& d = *impl_;
    if (d.closed) {
        return;
    }
    Ref<Object> keep = weak_from_this().lock();  // Discard drops the live reference
    // Gone before Close runs: a handler that ends the application finds no
    // window left to close again.
    Discard(*this);
    RaiseClassEvent(*this, "Close");
}

Ref<fw::MenuBar> Window::MenuBar() const {
    return impl_->menuBar;
}

void Window::MenuBar(const Ref<fw::MenuBar>& bar) {
    Impl& d = *impl_;
    d.menuBar = bar;
    EnsureWidgets(*this);
    if (!d.top) {
        return;
    }
    auto* layout = static_cast<QVBoxLayout*>(d.top->layout());
    if (d.menuView) {
        // Its shortcuts go at once; the view itself may be running this.
        for (QAction* action : d.menuView->findChildren<QAction*>()) {
            d.top->removeAction(action);
        }
        d.menuView->deleteLater();
    }
    if (d.menuBarWidget) {
        layout->setMenuBar(nullptr);
        d.menuBarWidget->hide();
        d.menuBarWidget->deleteLater();
    }
    if (bar) {
        d.menuBarWidget = new QMenuBar(d.top);
        d.menuView = menuview::Build(*this, bar, d.top, d.menuBarWidget);
        layout->setMenuBar(d.menuBarWidget);
    }
    ApplyFrame(d);
}

std::string Window::Title() const {
    return impl_->title;
}

void Window::_AddControl(std::string_view name, const Ref<Object>& control) {
    if (!control) {
        throw NilObjectException("nil control added to " + Class().name + " as " +
                                 std::string(name));
    }
    if (auto c = std::dynamic_pointer_cast<Control>(control)) {
        c->_SetName(name);
    }
    auto& controls = impl_->controls;
    auto it = std::find_if(controls.begin(), controls.end(),
                           [&](const auto& entry) { return entry.first == name; });
    if (it != controls.end()) {
        it->second = control;
    } else {
        controls.emplace_back(std::string(name), control);
    }
}

Ref<Object> Window::_ControlByName(std::string_view name) const {
    for (const auto& [key, control] : impl_->controls) {
        if (key == name) {
            return control;
        }
    }
    return nullptr;
}

void Window::_AddMenuHandler(std::string_view itemName, EventHandler handler) {
    impl_->menuHandlers.insert_or_assign(std::string(itemName), std::move(handler));
}

bool Window::_HandleMenuItem(std::string_view itemName) {
    auto it = impl_->menuHandlers.find(itemName);
    if (it == impl_->menuHandlers.end()) {
        return false;
    }
    EventHandler handler = it->second;  // the handler may register another in its place
    Variant result = handler(*this, {});
    const bool* handled = std::get_if<bool>(&result);
    return handled != nullptr && *handled;
}

void Window::SetProperty(std::string_view name, const PropertyValue& value) {
    Impl& d = *impl_;
    if (!detail::StoreField<Impl>(kWindowFields, d, name, value)) {
        Object::SetProperty(name, value);
        return;
    }
    if (name == "Visible") {
        if (d.built) {
            d.visible ? Show() : Hide();
        }
        return;
    }
    EnsureWidgets(*this);
    ApplyFrame(d);
}

QWidget* Window::_Widget() const {
    EnsureWidgets(const_cast<Window&>(*this));
    return impl_->top;
}

QWidget* Window::_Content() const {
    EnsureWidgets(const_cast<Window&>(*this));
    return impl_->content;
}

Ref<Window> _GetImplicitWindow(std::string_view className) {
    for (const Ref<Window>& window : LiveWindows()) {
        if (window->Class().name == className) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace fw
