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
    if (registration_ == 0) {
        registration_ = RuntimeRegisterFileType(name_, macCreator_, macType_, extensions_, uti_);
    }
    return name_;
}

void FileType::Withdraw() {
    if (registration_ == 0) {
        return;
    }
    // Only the entry this type made, if a later type of the same name has not
    // replaced it; a twin with equal fields keeps its own.
    std::erase_if(Registry(),
                  [this](const RegisteredFileType& t) { return t.registration == registration_; });
    registration_ = 0;
}

// One registration per name: registering a name again replaces the earlier
// registration, and the type moves to the end of the order.
uint64_t RuntimeRegisterFileType(const std::string& name, const std::string& creator,
                                 const std::string& type, const std::string& extensions,
                                 const std::string& uti) {
    static uint64_t last = 0;
    // Copied before the erase: the fields may be read from the entry it removes.
    RegisteredFileType entry{name, creator, type, extensions, uti, ++last};
    std::erase_if(Registry(), [&name](const RegisteredFileType& t) { return t.name == name; });
    Registry().push_back(std::move(entry));
    return last;
}

const std::vector<RegisteredFileType>& RuntimeRegisteredFileTypes() {
    return Registry();
}

}  // namespace fw
