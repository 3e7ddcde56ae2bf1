#include "framework/core/FileType.h"

#include <algorithm>

namespace fw {

namespace {

// Never destroyed: the program's types stay registered to the end.
std::vector<RegisteredFileType>& Registry() {
    static auto* registry = new std::vector<RegisteredFileType>;
    return *registry;
}

}  // namespace

const ClassRecord& FileType::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("FileType", &Object::StaticClass());
    return record;
}

std::string FileType::ToString() {
    if (!registered_) {
        RuntimeRegisterFileType(name_, macCreator_, macType_, extensions_, uti_);
        registered_ = true;
    }
    return name_;
}

void FileType::Withdraw() {
    if (!registered_) {
        return;
    }
    registered_ = false;
    // Only the entry this type made: a later type of the same name has replaced it.
    std::erase_if(Registry(), [this](const RegisteredFileType& t) {
        return t.name == name_ && t.creator == macCreator_ && t.type == macType_ &&
               t.extensions == extensions_ && t.uti == uti_;
    });
}

// One registration per name: registering a name again replaces the earlier
// registration, and the type moves to the end of the order.
void RuntimeRegisterFileType(const std::string& name, const std::string& creator,
                             const std::string& type, const std::string& extensions,
                             const std::string& uti) {
    std::erase_if(Registry(), [&name](const RegisteredFileType& t) { return t.name == name; });
    Registry().push_back(RegisteredFileType{name, creator, type, extensions, uti});
}

const std::vector<RegisteredFileType>& RuntimeRegisteredFileTypes() {
    return Registry();
}

}  // namespace fw
