#include "windows/Build.h"

fw::PropertyTable WindowTable(int64_t width, int64_t height, fw::Window::Types type,
                              std::string_view title, bool hasCloseButton) {
    fw::PropertyTable table;
    table.Integer("Width", width)
        .Integer("Height", height)
        .Integer("MinimumWidth", 64)
        .Integer("MinimumHeight", 64)
        .Integer("MaximumWidth", 32000)
        .Integer("MaximumHeight", 32000)
        .Integer("Type", static_cast<int64_t>(type))
        .String("Title", title)
        .Boolean("HasCloseButton", hasCloseButton)
        .Boolean("HasMaximizeButton", false)
        .Boolean("HasMinimizeButton", true)
        .Boolean("HasFullScreenButton", false)
        .Boolean("Resizeable", false)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Boolean("FullScreen", false)
        .Integer("DefaultLocation", static_cast<int64_t>(fw::Window::Locations::Default))
        .Boolean("Visible", true)
        .Boolean("HasBackgroundColor", true)
        .Color("BackgroundColor", 0x00FFFFFF)
        .Boolean("MenuBarVisible", true)
        .Boolean("LiveResize", false);
    return table;
}
