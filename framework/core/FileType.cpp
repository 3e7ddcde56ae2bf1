#include "framework/core/FileType.h"

#include <algorithm>

namespace fw {

namespace {

// Never destroyed: a FileType held by a global of the program withdraws itself
// while the program ends, after function statics may be gone.
std::vector<RegisteredFileType>& Registry() {
    static auto* registry = new std::vector<RegisteredFileType>;
    return *registry;
}

}  // namespace

const ClassRecord& FileType::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("FileType", &Object::StaticClass());
    return record;
}

// A type that is gone is no longer on offer: it withdraws its registration.
FileType::~FileType() {
    Withdraw();
}

void FileType::Withdraw() {
    if (registered_) {
        RuntimeUnregisterFileType(name_);
        registered_ = false;
    }
}

void FileType::Name(const std::string& v) {
    Withdraw();
    name_ = v;
}

void FileType::Extensions(const std::string& v) {
    Withdraw();
    extensions_ = v;
}

void FileType::MacType(const std::string& v) {
    Withdraw();
    macType_ = v;
}

void FileType::MacCreator(const std::string& v) {
    Withdraw();
    macCreator_ = v;
}

void FileType::MimeType(const std::string& v) {
    Withdraw();
    mimeType_ = v;
}

void FileType::Imported(bool v) {
    Withdraw();
    imported_ = v;
}

void FileType::ConformsTo(const std::string& v) {
    Withdraw();
    conformsTo_ = v;
}

void FileType::UTI(const std::string& v) {
    Withdraw();
    uti_ = v;
}

std::string FileType::ToString() {
    if (!registered_) {
        RuntimeRegisterFileType(name_, macCreator_, macType_, extensions_, uti_);
        registered_ = true;
    }
    return name_;
}

// One registration per name: registering a name again replaces the earlier
// registration, and the type moves to the end of the order.
void RuntimeRegisterFileType(const std::string& name, const std::string& creator,
                             const std::string& type, const std::string& extensions,
                             const std::string& uti) {
    RegisteredFileType entry{name, creator, type, extensions, uti};
    RuntimeUnregisterFileType(name);
    Registry().push_back(std::move(entry));
}

void RuntimeUnregisterFileType(const std::string& name) {
    std::erase_if(Registry(), [&name](const RegisteredFileType& t) { return t.name == name; });
}

const std::vector<RegisteredFileType>& RuntimeRegisteredFileTypes() {
    return Registry();
}

}  // namespace fw
