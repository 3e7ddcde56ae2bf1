#include "app/FileTypes.h"

namespace FileTypes {

fw::Ref<fw::FileType> pText;
std::vector<fw::Ref<fw::FileType>> pAllFileTypes;

fw::Ref<fw::FileType> Text() {
    return pText;
}

void _Initialize() {
    pText = fw::RuntimeNewObject<fw::FileType>();
    fw::Ref<fw::FileType> type = fw::RuntimeCheckCast<fw::FileType>(pText);
    type->Name("text");
    type->Extensions("");
    type->MacType("TEXT");
    type->MacCreator("R*ch");
    type->MimeType("");
    type->Imported(true);
    type->ConformsTo("");
    pAllFileTypes.push_back(pText);
    // The String conversion is what registers the type with the runtime.
    (void)fw::RuntimeCheckCast<fw::FileType>(Text())->ToString();
}

}  // namespace FileTypes
