#include "app/Quenvale.h"

const fw::ClassRecord& Quenvale::StaticClass() {
    static const fw::ClassRecord& record = fw::RuntimeClassRecord("Quenvale", [] {
        fw::ClassRecord r;
        r.name = "Quenvale";
        r.parent = &fw::Application::StaticClass();
        return r;
    });
    return record;
}

void Quenvale::Constructor() {}

bool Quenvale::IsEventImplemented(const std::string& name) const {
    return fw::_RuntimeIsEventHandled(*this, "Quenvale", name, true);
}
