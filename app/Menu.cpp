#include "app/Menu.h"

#include <optional>
#include <string_view>

fw::Ref<class Menu> Menu::_implicitInstance;

const fw::ClassRecord& Menu::StaticClass() {
    static const fw::ClassRecord& record =
        fw::RuntimeClassRecord("Menu.Menu", &fw::MenuBar::StaticClass());
    return record;
}

namespace {

// Makes one item of the bar. No shortcut (nullopt) leaves the shortcut unset,
// as the Edit menu's separator needs.
template <class C>
fw::Ref<C> NewItem(std::string_view name, bool autoEnabled, std::string_view caption,
                   std::optional<std::string_view> shortcut) {
    auto item = fw::RuntimeNewObject<C>();
    item->Constructor();
    item->Name(name);
    item->AutoEnabled(autoEnabled);
    item->Value(caption);
    item->Visible(true);
    if (shortcut) {
        item->Shortcut(*shortcut);
    }
    return item;
}

// Appends item to the bar's top-level menu of that name; a missing menu is a
// nil object.
void AddToMenu(const fw::MenuBar& bar, std::string_view menuName,
               const fw::Ref<fw::MenuItem>& item) {
    fw::RuntimeCheckCast<fw::MenuItem>(bar.Child(menuName))->AddMenu(item);
}

}  // namespace

void Menu::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void Menu::Untitled0() {
    AddMenu(NewItem<fw::MenuItem>("Apple", false, "", ""));
}

void Menu::Untitled1() {
    AddMenu(NewItem<fw::MenuItem>("UntitledMenu2", false, "File", ""));
    AddToMenu(*this, "UntitledMenu2", NewItem<fw::QuitMenuItem>("FileQuit", true, "Quit", "Cmd+Q"));
    AddToMenu(*this, "UntitledMenu2", NewItem<fw::MenuItem>("UntitledMenu6", false, "", ""));
}

void Menu::Untitled2() {
    AddMenu(NewItem<fw::MenuItem>("UntitledMenu0", false, "Edit", ""));
    AddToMenu(*this, "UntitledMenu0", NewItem<fw::MenuItem>("EditUndo", false, "Undo", "Cmd+Z"));
    AddToMenu(*this, "UntitledMenu0",
              NewItem<fw::MenuItem>("UntitledMenu1", false, "-", std::nullopt));
    AddToMenu(*this, "UntitledMenu0", NewItem<fw::MenuItem>("EditCut", false, "Cut", "Cmd+X"));
    AddToMenu(*this, "UntitledMenu0", NewItem<fw::MenuItem>("EditCopy", false, "Copy", "Cmd+C"));
    AddToMenu(*this, "UntitledMenu0", NewItem<fw::MenuItem>("EditPaste", false, "Paste", "Cmd+V"));
    AddToMenu(*this, "UntitledMenu0", NewItem<fw::MenuItem>("EditClear", false, "Clear", ""));
    AddToMenu(*this, "UntitledMenu0", NewItem<fw::MenuItem>("UntitledMenu5", false, "", ""));
    AddToMenu(*this, "UntitledMenu0",
              NewItem<fw::AppleMenuItem>("About", false, "About Quenvale", ""));
    AddToMenu(*this, "UntitledMenu0", NewItem<fw::AppleMenuItem>("UntitledMenu4", false, "", ""));
}

void Menu::Untitled3() {
    AddMenu(NewItem<fw::MenuItem>("UntitledMenu3", false, "", ""));
}

fw::Ref<class Menu> Menu() {
    // Stored only once fully built, so a failed build leaves the slot nil and
    // the next call starts afresh.
    if (!Menu::_implicitInstance) {
        auto bar = fw::RuntimeNewObject<class Menu>();
        bar->Constructor();
        Menu::_implicitInstance = bar;
    }
    return Menu::_implicitInstance;
}
