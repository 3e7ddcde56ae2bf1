#pragma once
// Declared document types. A type registers itself with the runtime the first
// time it is converted to a String after it was made or last changed.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Object.h"

namespace fw {

class FileType : public Object {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    const std::string& Name() const { return name_; }
    void Name(const std::string& v) { Set(name_, v); }
    const std::string& Extensions() const { return extensions_; }
    void Extensions(const std::string& v) { Set(extensions_, v); }
    const std::string& MacType() const { return macType_; }
    void MacType(const std::string& v) { Set(macType_, v); }
    const std::string& MacCreator() const { return macCreator_; }
    void MacCreator(const std::string& v) { Set(macCreator_, v); }
    const std::string& MimeType() const { return mimeType_; }
    void MimeType(const std::string& v) { Set(mimeType_, v); }
    bool Imported() const { return imported_; }
    void Imported(bool v) { Set(imported_, v); }
    const std::string& ConformsTo() const { return conformsTo_; }
    void ConformsTo(const std::string& v) { Set(conformsTo_, v); }
    const std::string& UTI() const { return uti_; }

    bool Registered() const { return registration_ != 0; }
    // The String conversion: registers the type the first time, returns its Name.
    std::string ToString();

  private:
    // A registered type is withdrawn before any field changes, so that the
    // runtime never holds a registration that no longer matches the type. The
    // value is copied first: it may live in the registration being withdrawn.
    template <typename T>
    void Set(T& field, const T& value) {
        T kept = value;
        Withdraw();
        field = std::move(kept);
    }
    void Withdraw();

    std::string name_, extensions_, macType_, macCreator_, mimeType_, conformsTo_, uti_;
    bool imported_ = false;
    uint64_t registration_ = 0;  // the runtime's number for this type's entry; 0 none
};

struct RegisteredFileType {
    std::string name, creator, type, extensions, uti;
    uint64_t registration;  // tells apart entries with equal fields
};

// Registers a type with the runtime (name, creator, type, extensions, UTI);
// returns the registration's number, never 0.
uint64_t RuntimeRegisterFileType(const std::string& name, const std::string& creator,
                                 const std::string& type, const std::string& extensions,
                                 const std::string& uti);
// The types registered so far, in the order of registration.
const std::vector<RegisteredFileType>& RuntimeRegisteredFileTypes();

}  // namespace fw
