// The calculator window's construction: its own property table, its 24 controls
// with their tables and backdrops, and the bindings of their events.
#include <array>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "app/Menu.h"
#include "app/Pictures.h"
#include "framework/core/PropertyTable.h"
#include "windows/Build.h"
#include "windows/MainWnd.h"

namespace {

using MainWndClass = class MainWnd;

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kRed = 0x00C80000;
constexpr uint32_t kGrey = 0x00777777;
constexpr uint32_t kDarkRed = 0x00A20002;
constexpr int64_t kLeftAligned = 0;
constexpr int64_t kCentred = 2;
constexpr uint8_t kDefaultFontUnit = 0;

// What every control's table says about where the control sits.
struct Place {
    std::string_view name;
    int64_t left = 0;
    int64_t top = 0;
    int64_t width = 0;
    int64_t height = 0;
    int64_t tabIndex = 0;
    bool visible = true;
    std::string_view parent = "";  // the group box holding the control; empty: the window
};

struct Font {
    std::string_view name = "System";
    float size = 12.0F;
    bool bold = false;
    bool italic = false;
};

// One row per control, by class. Only what differs between controls of a class
// is in a row; the rest of each table is the class's own.
struct GroupBoxRow {
    using Class = fw::GroupBox;
    Place at;
    std::string_view caption;
    Font font = {};
};

struct TextFieldRow {
    using Class = fw::TextField;
    Place at;
    Font font = {};
    int64_t alignment = kLeftAligned;
    int64_t maxChars = 0;
    bool readOnly = false;
    uint32_t textColor = kBlack;
    bool focusRing = true;
};

struct LabelRow {
    using Class = fw::Label;
    Place at;
    std::string_view text;
    Font font = {};
    int64_t alignment = kLeftAligned;
    uint32_t textColor = kBlack;
    bool lockLeftTop = false;
};

struct RadioButtonRow {
    using Class = fw::RadioButton;
    Place at;
    std::string_view caption;
    Font font = {};
};

struct PushButtonRow {
    using Class = fw::PushButton;
    Place at;
    std::string_view caption;
    Font font = {};
};

struct CanvasRow {
    using Class = fw::Canvas;
    Place at;
    fw::Ref<fw::Picture> (*backdrop)() = nullptr;
    bool tabStop = true;
};

struct SeparatorRow {
    using Class = fw::Separator;
    Place at;
};

using ControlRow = std::variant<GroupBoxRow, TextFieldRow, LabelRow, RadioButtonRow, PushButtonRow,
                                CanvasRow, SeparatorRow>;

// The controls in creation order.
const std::array<ControlRow, 24> kControls = {
    GroupBoxRow{.at = {"dfBox", 224, 160, 106, 106, 0, false}, .caption = ""},
    TextFieldRow{.at = {"df1Edit", 245, 186, 62, 20, 0, false, "dfBox"},
                 .font = {.name = "courier"},
                 .alignment = kCentred,
                 .maxChars = 4},
    TextFieldRow{.at = {"df2Edit", 245, 231, 62, 20, 1, false, "dfBox"},
                 .font = {.name = "courier"},
                 .alignment = kCentred,
                 .maxChars = 4},
    LabelRow{.at = {"df1Text", 281, 171, 20, 16, 2, false, "dfBox"}, .text = "df"},
    LabelRow{.at = {"df2Text", 281, 216, 20, 16, 3, false, "dfBox"}, .text = "df"},
    LabelRow{.at = {"Ntext", 257, 171, 17, 16, 4, false, "dfBox"}, .text = "N"},
    LabelRow{.at = {"Dtext", 257, 216, 20, 16, 5, false, "dfBox"}, .text = "D"},
    GroupBoxRow{.at = {"testBox", 73, 146, 106, 120, 1, true},
                .caption = "Test Statistic",
                .font = {.bold = true}},
    RadioButtonRow{.at = {"ZBtn", 78, 164, 42, 20, 0, true, "testBox"}, .caption = "Z"},
    RadioButtonRow{.at = {"TBtn", 78, 188, 42, 20, 1, true, "testBox"}, .caption = "t"},
    RadioButtonRow{.at = {"FBtn", 78, 213, 42, 20, 2, true, "testBox"}, .caption = "F"},
    RadioButtonRow{.at = {"XBtn", 78, 238, 95, 20, 3, true, "testBox"}, .caption = "Chi-Square"},
    PushButtonRow{.at = {"CalcBtn", 50, 350, 100, 30, 2, true}, .caption = "Calculate"},
    PushButtonRow{.at = {"ClearBtn", 450, 350, 100, 30, 3, true}, .caption = "Clear"},
    CanvasRow{.at = {"Canvas1", 139, 0, 416, 48, 4, true}, .backdrop = &QuenvaleTitle},
    CanvasRow{.at = {"Canvas2", 289, 346, 30, 32, 5, true}, .backdrop = &q36, .tabStop = false},
    CanvasRow{.at = {"Canvas3", 10, 9, 110, 66, 6, true}, .backdrop = &Curve},
    LabelRow{.at = {"StaticText1", 473, 168, 61, 20, 7, false},
             .text = "Value",
             .font = {.bold = true},
             .alignment = kCentred},
    TextFieldRow{.at = {"zEdit", 471, 186, 62, 20, 8, false}, .alignment = kCentred, .maxChars = 7},
    LabelRow{.at = {"pText", 470, 211, 60, 20, 9, false},
             .text = "p",
             .font = {.bold = true, .italic = true},
             .alignment = kCentred},
    TextFieldRow{.at = {"pEdit", 469, 231, 62, 20, 10, false},
                 .alignment = kCentred,
                 .maxChars = 9,
                 .readOnly = true,
                 .textColor = kRed,
                 .focusRing = false},
    LabelRow{.at = {"TailText", 464, 249, 72, 20, 11, false},
             .text = "two-tailed",
             .font = {.size = 11.0F},
             .alignment = kCentred,
             .textColor = kGrey},
    SeparatorRow{.at = {"Separator1", 10, 79, 580, 4, 12, true}},
    LabelRow{.at = {"Label1", 151, 55, 399, 20, 13, true},
             .text = "by The Quenvale authors",
             .font = {.size = 10.0F},
             .alignment = kCentred,
             .textColor = kDarkRed,
             .lockLeftTop = true},
};

// The entries every class's table opens with, up to AllowAutoDeactivate.
fw::PropertyTable Opening(const Place& at, bool tabStop, bool lockLeftTop = false) {
    fw::PropertyTable t;
    t.String("Name", at.name)
        .Integer("Index", kNoIndex)
        .Integer("Left", at.left)
        .Integer("Top", at.top)
        .Integer("Width", at.width)
        .Integer("Height", at.height)
        .Boolean("LockLeft", lockLeftTop)
        .Boolean("LockTop", lockLeftTop)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabIndex", at.tabIndex)
        .Integer("TabPanelIndex", 0)
        .Boolean("TabStop", tabStop)
        .Boolean("AllowAutoDeactivate", true);
    return t;
}

fw::PropertyTable Table(const GroupBoxRow& row) {
    fw::PropertyTable t = Opening(row.at, true);
    t.String("Caption", row.caption)
        .Boolean("Enabled", true)
        .String("Tooltip", "")
        .Boolean("Transparent", true)
        .Boolean("Visible", row.at.visible)
        .Boolean("Bold", row.font.bold)
        .Boolean("Italic", row.font.italic)
        .String("FontName", row.font.name)
        .Boolean("Underline", false)
        .Single("FontSize", row.font.size)
        .FontUnit("FontUnit", kDefaultFontUnit)
        .String("InitialParent", row.at.parent);
    return t;
}

fw::PropertyTable Table(const TextFieldRow& row) {
    fw::PropertyTable t = Opening(row.at, true);
    t.Color("BackgroundColor", kWhite)
        .Boolean("HasBorder", true)
        .Boolean("Enabled", true)
        .String("Format", "")
        .String("Tooltip", "")
        .Boolean("Password", false)
        .Color("TextColor", row.textColor)
        .Boolean("Transparent", true)
        .Boolean("AllowFocusRing", row.focusRing)
        .Boolean("Visible", row.at.visible)
        .String("FontName", row.font.name)
        .Single("FontSize", row.font.size)
        .FontUnit("FontUnit", kDefaultFontUnit)
        .Boolean("Bold", row.font.bold)
        .Boolean("Italic", row.font.italic)
        .Boolean("Underline", false)
        .String("Hint", "")
        .String("Value", "")
        .Boolean("AllowTabs", false)
        .Integer("TextAlignment", row.alignment)
        .Boolean("AllowSpellChecking", true)
        .Integer("MaximumCharactersAllowed", row.maxChars)
        .String("ValidationMask", "")
        .Boolean("ReadOnly", row.readOnly)
        .String("DataSource", "")
        .String("DataField", "")
        .String("InitialParent", row.at.parent);
    return t;
}

fw::PropertyTable Table(const LabelRow& row) {
    fw::PropertyTable t = Opening(row.at, false, row.lockLeftTop);
    t.Boolean("Enabled", true)
        .String("Tooltip", "")
        .Boolean("Multiline", false)
        .Boolean("Selectable", false)
        .Integer("TextAlignment", row.alignment)
        .Color("TextColor", row.textColor)
        .Boolean("Transparent", false)
        .String("Value", row.text)
        .Boolean("Visible", row.at.visible)
        .Boolean("Bold", row.font.bold)
        .Boolean("Italic", row.font.italic)
        .String("FontName", row.font.name)
        .Boolean("Underline", false)
        .Single("FontSize", row.font.size)
        .FontUnit("FontUnit", kDefaultFontUnit)
        .String("DataSource", "")
        .String("DataField", "")
        .String("InitialParent", row.at.parent);
    return t;
}

fw::PropertyTable Table(const RadioButtonRow& row) {
    fw::PropertyTable t = Opening(row.at, true);
    t.String("Caption", row.caption)
        .Boolean("Enabled", true)
        .String("Tooltip", "")
        .Boolean("Transparent", true)
        .Boolean("Visible", row.at.visible)
        .String("FontName", row.font.name)
        .Single("FontSize", row.font.size)
        .FontUnit("FontUnit", kDefaultFontUnit)
        .Boolean("Bold", row.font.bold)
        .Boolean("Italic", row.font.italic)
        .Boolean("Underline", false)
        .Boolean("Value", false)  // a new window has no test selected
        .String("InitialParent", row.at.parent);
    return t;
}

fw::PropertyTable Table(const PushButtonRow& row) {
    fw::PropertyTable t = Opening(row.at, true);
    t.Integer("MacButtonStyle", 0)
        .Boolean("Cancel", false)
        .String("Caption", row.caption)
        .Boolean("Default", true)
        .Boolean("Enabled", true)
        .String("Tooltip", "")
        .Boolean("Transparent", true)
        .Boolean("Visible", row.at.visible)
        .String("FontName", row.font.name)
        .Single("FontSize", row.font.size)
        .FontUnit("FontUnit", kDefaultFontUnit)
        .Boolean("Bold", row.font.bold)
        .Boolean("Italic", row.font.italic)
        .Boolean("Underline", false)
        .String("InitialParent", row.at.parent);
    return t;
}

fw::PropertyTable Table(const CanvasRow& row) {
    fw::PropertyTable t = Opening(row.at, row.tabStop);
    t.Boolean("Enabled", true)
        .String("Tooltip", "")
        .Boolean("AllowFocusRing", true)
        .Boolean("Visible", row.at.visible)
        .Boolean("AllowFocus", false)
        .Boolean("AllowTabs", false)
        .Boolean("Transparent", true)
        .Boolean("DoubleBuffer", false)
        .String("InitialParent", row.at.parent);
    return t;
}

// A separator's table has its own order.
fw::PropertyTable Table(const SeparatorRow& row) {
    fw::PropertyTable t;
    t.Boolean("AllowAutoDeactivate", true)
        .String("Tooltip", "")
        .Boolean("Transparent", true)
        .String("Name", row.at.name)
        .Integer("Index", kNoIndex)
        .Integer("Left", row.at.left)
        .Integer("Top", row.at.top)
        .Integer("Width", row.at.width)
        .Integer("Height", row.at.height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", row.at.tabIndex)
        .Boolean("TabStop", true)
        .String("InitialParent", row.at.parent)
        .Boolean("Visible", row.at.visible)
        .Boolean("Enabled", true);
    return t;
}

using fw::TextField;
using MainWndBinding = Binding<MainWndClass>;

// The control events the window answers, in binding order.
const MainWndBinding kBindings[] = {
    {"df1Edit", TextField::kKeyDown, &On<&MainWndClass::df1Edit_KeyDown>},
    {"df1Edit", TextField::kTextChange, &On<&MainWndClass::df1Edit_TextChange>},
    {"df2Edit", TextField::kTextChange, &On<&MainWndClass::df2Edit_TextChange>},
    {"df2Edit", TextField::kKeyDown, &On<&MainWndClass::df2Edit_KeyDown>},
    {"ZBtn", fw::RadioButton::kAction, &On<&MainWndClass::ZBtn_Action>},
    {"TBtn", fw::RadioButton::kAction, &On<&MainWndClass::TBtn_Action>},
    {"FBtn", fw::RadioButton::kAction, &On<&MainWndClass::FBtn_Action>},
    {"XBtn", fw::RadioButton::kAction, &On<&MainWndClass::XBtn_Action>},
    {"CalcBtn", fw::PushButton::kAction, &On<&MainWndClass::CalcBtn_Action>},
    {"ClearBtn", fw::PushButton::kAction, &On<&MainWndClass::ClearBtn_Action>},
    {"Canvas2", fw::Canvas::kMouseDown, &On<&MainWndClass::Canvas2_MouseDown>},
    {"zEdit", TextField::kKeyDown, &On<&MainWndClass::zEdit_KeyDown>},
    {"zEdit", TextField::kTextChange, &On<&MainWndClass::zEdit_TextChange>},
    {"pEdit", TextField::kKeyDown, &On<&MainWndClass::pEdit_KeyDown>},
};

template <class Row>
void Build(MainWndClass& window, const Row& row) {
    fw::Ref<fw::Picture> (*backdrop)() = nullptr;
    if constexpr (std::is_same_v<Row, CanvasRow>) {
        backdrop = row.backdrop;
    }
    MakeControl<typename Row::Class>(window, row.at.name, Table(row), backdrop,
                                     std::span<const MainWndBinding>(kBindings));
}

}  // namespace

void MainWnd::Layout() {
    MenuBar(::Menu());
    fw::_SetProperties(*this, WindowTable(600, 400, fw::Window::Types::Document, "Quenvale", true));
}

void MainWnd::CreateControls() {
    _CreateControls0();
}

void MainWnd::_CreateControls0() {
    for (const ControlRow& control : kControls) {
        std::visit([this](const auto& row) { Build(*this, row); }, control);
    }
}
