#include "app/Quenvale.h"

const fw::ClassRecord& Quenvale::StaticClass() {
    static const fw::ClassRecord& record =
        fw::RuntimeClassRecord("Quenvale", &fw::Application::StaticClass());
    return record;
}

void Quenvale::Constructor() {}

bool Quenvale::IsEventImplemented(const std::string& name) const {
    return fw::_RuntimeIsEventHandled(*this, "Quenvale", name, true);
}
