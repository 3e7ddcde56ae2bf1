#pragma once
// Property tables: the byte strings from which windows and controls take their
// initial properties. Entries follow each other with no count or terminator:
// the property name in ASCII, one blank, then the value in the width of the
// property's declared type (all little-endian):
//   Boolean 1 byte; Integer and 64-bit enumerations 8 bytes signed; FontUnit 1 byte;
//   Single 4 bytes; Double 8 bytes; Color 4 bytes (the word 0xAARRGGBB);
//   String a 32-bit byte count, then that many bytes of UTF-8.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Object.h"

namespace fw {

// Writes a table entry by entry, in the order of the calls.
class PropertyTable {
  public:
    PropertyTable& Boolean(std::string_view name, bool value);
    PropertyTable& Integer(std::string_view name, int64_t value);  // also the 64-bit enumerations
    PropertyTable& FontUnit(std::string_view name, uint8_t value);
    PropertyTable& Single(std::string_view name, float value);
    PropertyTable& Double(std::string_view name, double value);
    PropertyTable& Color(std::string_view name, uint32_t argb);
    PropertyTable& String(std::string_view name, std::string_view utf8);

    const std::string& Bytes() const { return bytes_; }
    operator std::string_view() const { return bytes_; }

  private:
    void Name(std::string_view name);
    std::string bytes_;
};

struct PropertyEntry {
    std::string name;
    PropertyValue value;
    std::size_t offset = 0;  // where the entry starts in the table
};

// Decodes a whole table; typeOf gives each property's declared type (nullopt for
// a name the class does not declare). A truncated table, an unknown name, a
// missing blank or a string longer than the rest raises PropertyTableException
// naming the property and the offset; nothing is read past the end.
std::vector<PropertyEntry> DecodePropertyTable(
    std::string_view bytes,
    const std::function<std::optional<PropertyType>(std::string_view)>& typeOf);

// Applies a table to obj in one step: decodes it whole by the types obj's class
// declares, then hands each entry to obj.SetProperty in table order. A table
// that does not decode changes nothing.
void _SetProperties(Object& obj, std::string_view bytes);

}  // namespace fw
