#pragma once
// The framework's errors. Every error the runtime raises is a RuntimeException;
// the program's code never catches them itself: they travel up to the main
// routine or to the event dispatch, which hands them to _UnhandledException.
#include <stdexcept>
#include <string>

namespace fw {

class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    // The class name as the runtime reports it ("NilObjectException", ...).
    virtual const char* ClassName() const { return "RuntimeException"; }
};

// A nil object was used where an object is needed.
class NilObjectException : public RuntimeException {
  public:
    explicit NilObjectException(const std::string& message = "nil object")
        : RuntimeException(message) {}
    const char* ClassName() const override { return "NilObjectException"; }
};

// An object was cast to a class it does not belong to.
class IllegalCastException : public RuntimeException {
  public:
    explicit IllegalCastException(const std::string& message) : RuntimeException(message) {}
    const char* ClassName() const override { return "IllegalCastException"; }
};

// A property table that cannot be decoded or applied: names the property and
// the byte offset at which the entry starts.
class PropertyTableException : public RuntimeException {
  public:
    explicit PropertyTableException(const std::string& message) : RuntimeException(message) {}
    const char* ClassName() const override { return "PropertyTableException"; }
};

// A delegate whose signature does not fit the event it is bound to, or an
// event number the class does not have.
class EventBindingException : public RuntimeException {
  public:
    explicit EventBindingException(const std::string& message) : RuntimeException(message) {}
    const char* ClassName() const override { return "EventBindingException"; }
};

}  // namespace fw
