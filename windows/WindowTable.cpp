#include "windows/WindowTable.h"

fw::PropertyTable WindowTable(int64_t width, int64_t height, int64_t type, std::string_view title,
                              bool hasCloseButton) {
    fw::PropertyTable table;
    table.Integer("Width", width)
        .Integer("Height", height)
        .Integer("MinimumWidth", 64)
        .Integer("MinimumHeight", 64)
        .Integer("MaximumWidth", 32000)
        .Integer("MaximumHeight", 32000)
        .Integer("Type", type)
        .String("Title", title)
        .Boolean("HasCloseButton", hasCloseButton)
        .Boolean("HasMaximizeButton", false)
        .Boolean("HasMinimizeButton", true)
        .Boolean("HasFullScreenButton", false)
        .Boolean("Resizeable", false)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Boolean("FullScreen", false)
        .Integer("DefaultLocation", 0)
        .Boolean("Visible", true)
        .Boolean("HasBackgroundColor", true)
        .Color("BackgroundColor", 0x00FFFFFF)
        .Boolean("MenuBarVisible", true)
        .Boolean("LiveResize", false);
    return table;
}
