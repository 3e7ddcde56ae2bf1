#include "framework/ui/detail/MenuView.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <vector>

#include "framework/ui/Application.h"
#include "framework/ui/detail/ControlImpl.h"

namespace fw::menuview {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Cmd+X" names the command key, which is Ctrl here.
QKeySequence ToKeySequence(const std::string& shortcut) {
    QString keys = ToQString(shortcut);
    keys.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    return QKeySequence::fromString(keys, QKeySequence::PortableText);
}

class View final : public QObject {
  public:
    View(Window& window, Ref<MenuBar> bar, QWidget* top, QMenuBar* drawOn)
        : QObject(drawOn != nullptr ? static_cast<QObject*>(drawOn) : top),
          window_(window.weak_from_this()),
          bar_(std::move(bar)) {
        for (const Ref<MenuItem>& menu : bar_->_Children()) {
            if (drawOn == nullptr) {
                for (const Ref<MenuItem>& item : menu->_Children()) {
                    auto* action = new QAction(this);
                    top->addAction(action);
                    AddItem(item, action);
                }
                continue;
            }
            QMenu* shown = drawOn->addMenu(QString());
            Add(menu, shown->menuAction());
            connect(shown, &QMenu::aboutToShow, this, [this] { Update(); });
            for (const Ref<MenuItem>& item : menu->_Children()) {
                AddItem(item, shown->addAction(QString()));
            }
        }
        top->installEventFilter(this);
        Sync();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            IsShortcut(*static_cast<QKeyEvent*>(event))) {
            Update();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    struct Entry {
        Ref<MenuItem> item;
        QAction* action;  // for a menu, its menu action
        bool isMenu;
    };

    void Add(const Ref<MenuItem>& item, QAction* action) {
        const bool isMenu = action->menu() != nullptr;
        action->setObjectName(ToQString(item->Name()));
        const bool separator = item->Value() == "-";
        if (!isMenu) {
            action->setSeparator(separator);
            action->setShortcut(ToKeySequence(item->Shortcut()));
        }
        if (!separator) {
            action->setText(ToQString(item->Value()));
        }
        // An empty caption is not shown, be it an item or a whole menu.
        action->setVisible(item->Visible() && !item->Value().empty());
        entries_.push_back({item, action, isMenu});
    }

    void AddItem(const Ref<MenuItem>& item, QAction* action) {
        if (dynamic_cast<QuitMenuItem*>(item.get()) != nullptr) {
            action->setMenuRole(QAction::QuitRole);
        } else if (dynamic_cast<AppleMenuItem*>(item.get()) != nullptr) {
            action->setMenuRole(QAction::AboutRole);
        } else {
            action->setMenuRole(QAction::NoRole);
        }
        std::weak_ptr<MenuItem> weakItem = item;
        connect(action, &QAction::triggered, this, [this, weakItem] { Choose(weakItem); });
        Add(item, action);
    }

    void Sync() {
        for (const Entry& entry : entries_) {
            entry.action->setEnabled(entry.item->Enabled());
        }
    }

    // Every plain item starts disabled (auto-enabled ones enabled) and the
    // window enables what applies; menus themselves stay as they are.
    void Update() {
        for (const Entry& entry : entries_) {
            if (!entry.isMenu) {
                entry.item->Enabled(entry.item->AutoEnabled());
            }
        }
        detail::DispatchClassEvent(window_, "EnableMenuItems", {});
        Sync();
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

    std::weak_ptr<Object> window_;
    Ref<MenuBar> bar_;
    std::vector<Entry> entries_;
};

}  // namespace

QObject* Build(Window& window, const Ref<MenuBar>& bar, QWidget* top, QMenuBar* drawOn) {
    return new View(window, bar, top, drawOn);
}

}  // namespace fw::menuview
