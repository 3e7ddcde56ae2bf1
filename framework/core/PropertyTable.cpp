#include "framework/core/PropertyTable.h"

#include <bit>
#include <limits>

namespace fw {

namespace {

// A name is printable ASCII without a blank: the blank ends it in the table.
bool IsNameByte(unsigned char c) {
    return c > 0x20 && c < 0x7F;
}

// Up to 40 bytes of a name as readable text, for error messages.
std::string Printable(std::string_view bytes) {
    constexpr std::size_t kShown = 40;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    if (bytes.size() > kShown) {
        out += "...";
    }
    return out;
}

void AppendLE(std::string& out, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

uint64_t ReadLE(std::string_view bytes, std::size_t at, int width) {
    uint64_t value = 0;
    for (int i = 0; i < width; ++i) {
        value |= uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    }
    return value;
}

[[noreturn]] void Fail(std::string_view problem, std::string_view name, std::size_t offset) {
    throw PropertyTableException("property table: " + std::string(problem) + " for property \"" +
                                 Printable(name) + "\" at offset " + std::to_string(offset));
}

}  // namespace

void PropertyTable::Name(std::string_view name) {
    if (name.empty()) {
        throw PropertyTableException("property table: empty property name");
    }
    for (char c : name) {
        if (!IsNameByte(static_cast<unsigned char>(c))) {
            throw PropertyTableException("property table: property name \"" + Printable(name) +
                                         "\" is not printable ASCII without blanks");
        }
    }
    bytes_ += name;
    bytes_ += ' ';
}

PropertyTable& PropertyTable::Boolean(std::string_view name, bool value) {
    Name(name);
    AppendLE(bytes_, value ? 1 : 0, 1);
    return *this;
}

PropertyTable& PropertyTable::Integer(std::string_view name, int64_t value) {
    Name(name);
    AppendLE(bytes_, static_cast<uint64_t>(value), 8);
    return *this;
}

PropertyTable& PropertyTable::FontUnit(std::string_view name, uint8_t value) {
    Name(name);
    AppendLE(bytes_, value, 1);
    return *this;
}

PropertyTable& PropertyTable::Single(std::string_view name, float value) {
    Name(name);
    AppendLE(bytes_, std::bit_cast<uint32_t>(value), 4);
    return *this;
}

PropertyTable& PropertyTable::Double(std::string_view name, double value) {
    Name(name);
    AppendLE(bytes_, std::bit_cast<uint64_t>(value), 8);
    return *this;
}

PropertyTable& PropertyTable::Color(std::string_view name, uint32_t argb) {
    Name(name);
    AppendLE(bytes_, argb, 4);
    return *this;
}

PropertyTable& PropertyTable::String(std::string_view name, std::string_view utf8) {
    if (utf8.size() > std::numeric_limits<uint32_t>::max()) {
        throw PropertyTableException("property table: string too long for property \"" +
                                     Printable(name) + "\"");
    }
    Name(name);
    AppendLE(bytes_, utf8.size(), 4);
    bytes_ += utf8;
    return *this;
}

std::vector<PropertyEntry> DecodePropertyTable(
    std::string_view bytes,
    const std::function<std::optional<PropertyType>(std::string_view)>& typeOf) {
    std::vector<PropertyEntry> entries;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t start = pos;
        const std::size_t blank = bytes.find(' ', start);
        const std::string_view name = bytes.substr(
            start, blank == std::string_view::npos ? std::string_view::npos : blank - start);
        if (blank == std::string_view::npos) {
            Fail("no blank after the name", name, start);
        }
        if (name.empty()) {
            Fail("empty name", name, start);
        }
        for (char c : name) {
            if (!IsNameByte(static_cast<unsigned char>(c))) {
                Fail("name not in printable ASCII", name, start);
            }
        }
        const std::optional<PropertyType> type = typeOf(name);
        if (!type) {
            Fail("unknown property", name, start);
        }
        pos = blank + 1;
        const std::size_t left = bytes.size() - pos;
        auto need = [&](std::size_t width) {
            if (left < width) {
                Fail("value cut short (" + std::to_string(width) + " bytes needed, " +
                         std::to_string(left) + " left)",
                     name, start);
            }
        };
        PropertyValue value;
        switch (*type) {
            case PropertyType::Boolean: {
                need(1);
                const uint64_t b = ReadLE(bytes, pos, 1);
                if (b > 1) {
                    Fail("Boolean byte " + std::to_string(b) + " is neither 0 nor 1", name, start);
                }
                value = b == 1;
                pos += 1;
                break;
            }
            case PropertyType::Integer:
                need(8);
                value = static_cast<int64_t>(ReadLE(bytes, pos, 8));
                pos += 8;
                break;
            case PropertyType::FontUnit:
                need(1);
                value = static_cast<int64_t>(ReadLE(bytes, pos, 1));
                pos += 1;
                break;
            case PropertyType::Single:
                need(4);
                value = std::bit_cast<float>(static_cast<uint32_t>(ReadLE(bytes, pos, 4)));
                pos += 4;
                break;
            case PropertyType::Double:
                need(8);
                value = std::bit_cast<double>(ReadLE(bytes, pos, 8));
                pos += 8;
                break;
            case PropertyType::Color:
                need(4);
                value = fw::Color{static_cast<uint32_t>(ReadLE(bytes, pos, 4))};
                pos += 4;
                break;
            case PropertyType::String: {
                need(4);
                const uint64_t count = ReadLE(bytes, pos, 4);
                if (count > left - 4) {
                    Fail("string of " + std::to_string(count) + " bytes longer than the " +
                             std::to_string(left - 4) + " bytes left",
                         name, start);
                }
                value = std::string(bytes.substr(pos + 4, count));
                pos += 4 + count;
                break;
            }
            default:
                Fail("undeclared property type", name, start);
        }
        entries.push_back(PropertyEntry{std::string(name), std::move(value), start});
    }
    return entries;
}

void _SetProperties(Object& obj, std::string_view bytes) {
    const ClassRecord& cls = obj.Class();
    const std::vector<PropertyEntry> entries = DecodePropertyTable(
        bytes, [&cls](std::string_view name) { return cls.FindProperty(name); });
    for (const PropertyEntry& entry : entries) {
        try {
            obj.SetProperty(entry.name, entry.value);
        } catch (const PropertyTableException& e) {
            throw PropertyTableException(std::string(e.what()) + " (entry \"" + entry.name +
                                         "\" at offset " + std::to_string(entry.offset) + ")");
        }
    }
    obj._PropertiesApplied();
}

}  // namespace fw
