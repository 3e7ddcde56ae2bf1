#include "framework/ui/detail/MenuView.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <vector>

#include "framework/ui/Application.h"
#include "framework/ui/detail/ControlImpl.h"

namespace fw::menuview {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Cmd+X" names the command key, which is Ctrl here; "Option" is Alt and the
// Mac's own Control key is Meta.
QKeySequence ToKeySequence(const std::string& shortcut) {
    static const struct {
        QString from, to;
    } modifiers[] = {{"Cmd+", "Ctrl+"},    {"Command+", "Ctrl+"}, {"Option+", "Alt+"},
                     {"Alt+", "Alt+"},     {"Shift+", "Shift+"},  {"Ctrl+", "Meta+"},
                     {"Control+", "Meta+"}};
    QString rest = QString::fromStdString(shortcut).trimmed();
    QString mapped;
    for (bool more = true; more;) {
        more = false;
        for (const auto& m : modifiers) {
            if (rest.startsWith(m.from, Qt::CaseInsensitive) && rest.size() > m.from.size()) {
                mapped += m.to;
                rest = rest.mid(m.from.size());
                more = true;
                break;
            }
        }
    }
    if (rest.isEmpty()) {
        return {};
    }
    return QKeySequence::fromString(mapped + rest, QKeySequence::PortableText);
}

// Every item below parent, depth first, with its depth (0: parent's own children).
void ForEachItem(const MenuItem& parent, const std::function<void(MenuItem&, int)>& fn,
                 int depth = 0) {
    for (int64_t i = 0; i < parent.Count(); ++i) {
        Ref<MenuItem> child = parent.Item(i);
        fn(*child, depth);
        ForEachItem(*child, fn, depth + 1);
    }
}

class BarWidget final : public QMenuBar {
  public:
    BarWidget(Window& window, Ref<MenuBar> bar, QWidget* parent)
        : QMenuBar(parent), window_(window.weak_from_this()), bar_(std::move(bar)) {
        Populate();
        Sync();
        Watch();
    }

    void Update(Window& window) {
        // Every plain item starts disabled (auto-enabled ones enabled) and the
        // window enables what applies; menus themselves stay as they are.
        ForEachItem(*bar_, [](MenuItem& item, int depth) {
            if (depth > 0 && item.Count() == 0) {
                item.Enabled(item.AutoEnabled());
            }
        });
        detail::DispatchClassEvent(window.weak_from_this(), "EnableMenuItems", {});
        Sync();
    }

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ParentChange) {
            Watch();
        }
        return QMenuBar::event(event);
    }

    // On the window: bring the items up to date when it is shown or activated
    // and before a key tries one of the bar's shortcuts.
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::WindowActivate:
                if (watched == watched_) {
                    UpdateFromWindow();
                }
                break;
            case QEvent::ShortcutOverride:
                if (IsShortcut(*static_cast<QKeyEvent*>(event))) {
                    UpdateFromWindow();
                }
                break;
            default:
                break;
        }
        return QMenuBar::eventFilter(watched, event);
    }

  private:
    struct Entry {
        Ref<MenuItem> item;
        QAction* action;  // for a menu, its menu action
        bool isMenu;
    };

    void UpdateFromWindow() {
        if (Ref<Object> window = window_.lock()) {
            Update(static_cast<Window&>(*window));
        }
    }

    // The tree as a sequence: each item, then a marker where its children end.
    std::vector<const MenuItem*> Shape() const {
        std::vector<const MenuItem*> shape;
        std::function<void(const MenuItem&)> walk = [&](const MenuItem& parent) {
            for (int64_t i = 0; i < parent.Count(); ++i) {
                Ref<MenuItem> child = parent.Item(i);
                shape.push_back(child.get());
                walk(*child);
                shape.push_back(nullptr);
            }
        };
        walk(*bar_);
        return shape;
    }

    void Populate() {
        shape_ = Shape();
        for (int64_t i = 0; i < bar_->Count(); ++i) {
            Ref<MenuItem> top = bar_->Item(i);
            QMenu* menu = addMenu(QString());
            entries_.push_back({top, menu->menuAction(), true});
            connect(menu, &QMenu::aboutToShow, this, [this] { UpdateFromWindow(); });
            PopulateMenu(*menu, *top);
        }
    }

    void PopulateMenu(QMenu& menu, const MenuItem& parent) {
        for (int64_t i = 0; i < parent.Count(); ++i) {
            Ref<MenuItem> item = parent.Item(i);
            if (item->Count() > 0) {
                QMenu* sub = menu.addMenu(QString());
                entries_.push_back({item, sub->menuAction(), true});
                PopulateMenu(*sub, *item);
                continue;
            }
            QAction* action = menu.addAction(QString());
            if (dynamic_cast<QuitMenuItem*>(item.get()) != nullptr) {
                action->setMenuRole(QAction::QuitRole);
            } else if (dynamic_cast<AppleMenuItem*>(item.get()) != nullptr) {
                action->setMenuRole(QAction::AboutRole);
            } else {
                action->setMenuRole(QAction::NoRole);
            }
            std::weak_ptr<MenuItem> weakItem = item;
            connect(action, &QAction::triggered, this, [this, weakItem] { Choose(weakItem); });
            entries_.push_back({item, action, false});
        }
    }

    void Depopulate() {
        for (QAction* action : actions()) {
            removeAction(action);
            if (QMenu* menu = action->menu()) {
                for (QAction* inner : menu->findChildren<QAction*>()) {
                    inner->setObjectName(QString());
                }
                menu->deleteLater();
            }
        }
        entries_.clear();
    }

    // Copies the items' captions, shortcuts and states to the actions, and
    // rebuilds the menus when items were added or moved.
    void Sync() {
        if (bar_->_Revision() == synced_) {
            return;
        }
        if (Shape() != shape_) {
            Depopulate();
            Populate();
        }
        for (const Entry& entry : entries_) {
            const MenuItem& item = *entry.item;
            QAction* action = entry.action;
            action->setObjectName(ToQString(item.Name()));
            const bool separator = item.Value() == "-";
            if (!entry.isMenu) {
                action->setSeparator(separator);
                action->setShortcut(ToKeySequence(item.Shortcut()));
            }
            if (!separator) {
                action->setText(ToQString(item.Value()));
            }
            // An empty caption is not shown, be it an item or a whole menu.
            action->setVisible(item.Visible() && !item.Value().empty());
            action->setEnabled(item.Enabled());
        }
        synced_ = bar_->_Revision();
    }

    bool IsShortcut(const QKeyEvent& key) const {
        const QKeySequence pressed(key.keyCombination());
        for (const Entry& entry : entries_) {
            if (!entry.isMenu && !entry.action->shortcut().isEmpty() &&
                entry.action->shortcut() == pressed) {
                return true;
            }
        }
        return false;
    }

    void Choose(const std::weak_ptr<MenuItem>& weakItem) {
        Ref<MenuItem> item = weakItem.lock();
        Ref<Object> window = window_.lock();
        if (!item) {
            return;
        }
        if (dynamic_cast<QuitMenuItem*>(item.get()) != nullptr) {
            Quit(0);
            return;
        }
        if (window) {
            const std::string name = item->Name();
            RuntimeDispatch([&] { static_cast<Window&>(*window)._HandleMenuItem(name); });
        }
    }

    // Follows the window the bar sits on.
    void Watch() {
        QWidget* top = window();
        if (top == watched_) {
            return;
        }
        if (watched_) {
            watched_->removeEventFilter(this);
        }
        watched_ = top == this ? nullptr : top;
        if (watched_) {
            watched_->installEventFilter(this);
        }
    }

    std::weak_ptr<Object> window_;
    Ref<MenuBar> bar_;
    std::vector<Entry> entries_;
    std::vector<const MenuItem*> shape_;
    uint64_t synced_ = ~uint64_t{0};
    QPointer<QWidget> watched_;
};

}  // namespace

QMenuBar* Build(Window& window, const Ref<MenuBar>& bar, QWidget* parent) {
    if (!bar) {
        return nullptr;
    }
    return new BarWidget(window, bar, parent);
}

void Update(Window& window, QMenuBar* menuBar) {
    if (auto* view = dynamic_cast<BarWidget*>(menuBar)) {
        view->Update(window);
    }
}

QAction* ActionFor(QMenuBar* menuBar, std::string_view itemName) {
    if (menuBar == nullptr || itemName.empty()) {
        return nullptr;
    }
    return menuBar->findChild<QAction*>(ToQString(itemName));
}

}  // namespace fw::menuview
