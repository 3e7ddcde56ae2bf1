#pragma once
// The declared document types: one type, "text".
#include <vector>

#include "framework/core/FileType.h"

namespace FileTypes {

extern fw::Ref<fw::FileType> pText;
extern std::vector<fw::Ref<fw::FileType>> pAllFileTypes;

fw::Ref<fw::FileType> Text();
void _Initialize();

}  // namespace FileTypes
