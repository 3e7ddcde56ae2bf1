#include "framework/core/Runtime.h"

#include <string>

#include "framework/core/Delegate.h"
#include "framework/core/FileType.h"
#include "framework/core/Object.h"

namespace fw {

void RuntimePerformInitializers(std::span<const Initializer> program) {
    // The framework's own class records come first: the program's records name
    // them as parents.
    Object::StaticClass();
    WeakRef::StaticClass();
    Delegate::StaticClass();
    FileType::StaticClass();
    for (std::size_t i = 0; i < program.size(); ++i) {
        if (program[i] == nullptr) {
            throw NilObjectException("initialiser " + std::to_string(i) + " is nil");
        }
        program[i]();
    }
}

}  // namespace fw
