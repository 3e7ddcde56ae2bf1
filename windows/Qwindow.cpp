#include "windows/Qwindow.h"

#include <array>
#include <string>
#include <string_view>

#include "windows/Build.h"

const fw::ClassRecord& Qwindow::StaticClass() {
    static const fw::ClassRecord& record = fw::RuntimeClassRecord(
        "Qwindow.Qwindow", &fw::Window::StaticClass(), [](fw::ClassRecord& r) {
            r.handlers.emplace("Layout", fw::MethodHandler(&Qwindow::Layout));
            r.handlers.emplace("CreateControls", fw::MethodHandler(&Qwindow::CreateControls));
        });
    return record;
}

void Qwindow::Layout() {
    fw::_SetProperties(*this,
                       WindowTable(475, 400, fw::Window::Types::Document, "Information", true));
}

void Qwindow::CreateControls() {
    _CreateControls0();
}

namespace {

// The descriptive text, one entry per line; the text area separates lines with
// a carriage return alone.
constexpr std::array<std::string_view, 14> kInformationLines = {
    "Quenvale",
    "",
    "This program calculates the probability of Z, t, F, and Chi-square statistics.",
    "",
    "Z probability is based on the ZKERCOOK routine from: (1989). Algorithms for fast and "
    "precise computation of the normal integral. Behavior Research Methods, Instruments, & "
    "Computers, 21, 447-454.",
    "",
    "t probability is based on Algorithm 8.7, F probability on Algorithm 8.11, and Chi-square "
    "probability on Algorithm 8.9 from: Cooke, D., Craven, A. H., & Clarke, G. M. (1990). Basic "
    "statistical computing (2nd ed.). Edward Arnold.",
    "",
    "------------------------------------------------------------------------------",
    "Copyright (c) 2020-2026 The Quenvale authors. All rights reserved. Quenvale may be copied "
    "and given away free of charge, unchanged and with this notice.",
    "",
    "Reference as: The Quenvale authors (2020). Quenvale [Computer software]. The Quenvale "
    "authors.",
    "",
    "Author makes no warranty, expressed or implied, respecting Quenvale, including, but not "
    "limited to, warranties of merchantability or fitness for particular purpose. Quenvale "
    "must be used with professional care. It should be applied in conjunction with "
    "professional judgment to determine the appropriateness of classifications and "
    "recommendations. The user is expected to possess the necessary professional "
    "qualifications and skills to properly use the Quenvale program. The user assumes "
    "complete responsibility for any decisions or reports based on information obtained from "
    "Quenvale. The author assumes no liability to the user nor any third party with respect "
    "to the user's activities or application of the Quenvale program nor for any damages "
    "arising out of any miscalculation or misuse by the user.",
};

std::string InformationText() {
    std::string text(kInformationLines.front());
    for (std::size_t i = 1; i < kInformationLines.size(); ++i) {
        text += '\r';
        text += kInformationLines[i];
    }
    return text;
}

}  // namespace

void Qwindow::_CreateControls0() {
    MakeControl<fw::TextArea>(*this, "Qfld",
                              fw::PropertyTable()
                                  .String("InitialParent", "")
                                  .String("DataField", "")
                                  .String("DataSource", "")
                                  .Boolean("ReadOnly", false)
                                  .Boolean("Underline", false)
                                  .Boolean("Italic", false)
                                  .Boolean("Bold", false)
                                  .Boolean("Visible", true)
                                  .Boolean("Transparent", true)
                                  .Color("TextColor", 0x00000000)
                                  .Boolean("Multiline", true)
                                  .Double("LineSpacing", 1.0)
                                  .Double("LineHeight", 0.0)
                                  .Boolean("HideSelection", true)
                                  .String("Format", "")
                                  .Boolean("Enabled", true)
                                  .Boolean("TabStop", true)
                                  .Integer("TabPanelIndex", 0)
                                  .Integer("TabIndex", 0)
                                  .Boolean("LockBottom", true)
                                  .Boolean("LockRight", true)
                                  .Boolean("LockTop", true)
                                  .Boolean("LockLeft", true)
                                  .Integer("Height", 398)
                                  .Integer("Width", 476)
                                  .Integer("Top", -1)
                                  .Integer("Left", -1)
                                  .Integer("Index", kNoIndex)
                                  .String("Name", "Qfld")
                                  .Boolean("AllowAutoDeactivate", true)
                                  .Color("BackgroundColor", 0x00FFFFFF)
                                  .Boolean("HasBorder", true)
                                  .String("Tooltip", "")
                                  .Boolean("HasHorizontalScrollbar", false)
                                  .Boolean("HasVerticalScrollbar", true)
                                  .Boolean("AllowStyledText", true)
                                  .Boolean("AllowFocusRing", false)
                                  .String("FontName", "System")
                                  .Single("FontSize", 12.0f)
                                  .FontUnit("FontUnit", 0)
                                  .String("Value", InformationText())
                                  .Boolean("AllowTabs", false)
                                  .Integer("TextAlignment", 0)
                                  .Boolean("AllowSpellChecking", false)
                                  .Integer("MaximumCharactersAllowed", 0)
                                  .String("ValidationMask", ""));
}

fw::Ref<fw::TextArea> Qwindow::Qfld() {
    return fw::RuntimeCheckCast<fw::TextArea>(_ControlByName("Qfld"));
}

bool Qwindow::IsEventImplemented(const std::string& name) const {
    return fw::_RuntimeIsEventHandled(*this, "Qwindow.Qwindow", name, true);
}

fw::Ref<class Qwindow> Qwindow() {
    fw::Ref<fw::Object> window = fw::_GetImplicitWindow("Qwindow.Qwindow");
    if (!window) {
        auto created = fw::RuntimeNewObject<class Qwindow>();
        created->Constructor();
        window = created;
    }
    return fw::RuntimeCheckCast<class Qwindow>(window);
}
