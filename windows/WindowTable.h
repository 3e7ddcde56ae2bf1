#pragma once
// The windows' own property tables: every window's table holds the same 22
// entries in the same order; the windows differ only in size, kind, title and
// close button.
#include <cstdint>
#include <string_view>

#include "framework/core/PropertyTable.h"

fw::PropertyTable WindowTable(int64_t width, int64_t height, int64_t type, std::string_view title,
                              bool hasCloseButton);
