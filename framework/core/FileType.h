#pragma once
// Declared document types. A type registers itself with the runtime the first
// time it is converted to a String; changing a field of a registered type
// withdraws the registration first.
#include <string>
#include <vector>

#include "Object.h"

namespace fw {

class FileType : public Object {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    ~FileType() override;

    const std::string& Name() const { return name_; }
    void Name(const std::string& v);
    const std::string& Extensions() const { return extensions_; }
    void Extensions(const std::string& v);
    const std::string& MacType() const { return macType_; }
    void MacType(const std::string& v);
    const std::string& MacCreator() const { return macCreator_; }
    void MacCreator(const std::string& v);
    const std::string& MimeType() const { return mimeType_; }
    void MimeType(const std::string& v);
    bool Imported() const { return imported_; }
    void Imported(bool v);
    const std::string& ConformsTo() const { return conformsTo_; }
    void ConformsTo(const std::string& v);
    const std::string& UTI() const { return uti_; }
    void UTI(const std::string& v);

    bool Registered() const { return registered_; }
    // The String conversion: registers the type once, returns its Name.
    std::string ToString();

  private:
    void Withdraw();
    std::string name_, extensions_, macType_, macCreator_, mimeType_, conformsTo_, uti_;
    bool imported_ = false;
    bool registered_ = false;
};

struct RegisteredFileType {
    std::string name, creator, type, extensions, uti;
};

// Registers a type with the runtime (name, creator, type, extensions, UTI).
void RuntimeRegisterFileType(const std::string& name, const std::string& creator,
                             const std::string& type, const std::string& extensions,
                             const std::string& uti);
void RuntimeUnregisterFileType(const std::string& name);
// The types registered so far, in the order of registration.
const std::vector<RegisteredFileType>& RuntimeRegisteredFileTypes();

}  // namespace fw
