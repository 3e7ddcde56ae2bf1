// Property tables: the byte encoding, decoding by declared types, and bad tables.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <memory>

#include "framework/core/PropertyTable.h"

namespace {

using fw::PropertyType;
using fw::PropertyValue;
using namespace std::string_literals;

class Widget : public fw::Object {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "Test.Widget", &fw::Object::StaticClass(), [](fw::ClassRecord& r) {
                r.properties = {
                    {"Visible", PropertyType::Boolean},    {"Left", PropertyType::Integer},
                    {"Top", PropertyType::Integer},        {"Type", PropertyType::Integer},
                    {"FontUnit", PropertyType::FontUnit},  {"FontSize", PropertyType::Single},
                    {"LineSpacing", PropertyType::Double}, {"TextColor", PropertyType::Color},
                    {"Name", PropertyType::String},        {"Value", PropertyType::String},
                    {"Declined", PropertyType::Integer}};
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    void SetProperty(std::string_view name, const PropertyValue& value) override {
        if (name == "Declined") {
            fw::Object::SetProperty(name, value);
        }
        applied.emplace_back(name, value);
    }
    std::vector<std::pair<std::string, PropertyValue>> applied;
};

std::optional<PropertyType> WidgetType(std::string_view name) {
    return Widget::StaticClass().FindProperty(name);
}

// Equal values, floating point by their bits (NaN and -0 included).
bool SameValue(const PropertyValue& a, const PropertyValue& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* f = std::get_if<float>(&a)) {
        return std::bit_cast<uint32_t>(*f) == std::bit_cast<uint32_t>(std::get<float>(b));
    }
    if (const auto* d = std::get_if<double>(&a)) {
        return std::bit_cast<uint64_t>(*d) == std::bit_cast<uint64_t>(std::get<double>(b));
    }
    return a == b;
}

struct RoundTripRow {
    const char* name;
    fw::PropertyTable table;
    const char* property;
    PropertyValue expected;
};

TEST(PropertyTable, EveryTypeRoundTrips) {
    using T = fw::PropertyTable;
    const RoundTripRow rows[] = {
        {"BooleanTrue", T().Boolean("Visible", true), "Visible", true},
        {"BooleanFalse", T().Boolean("Visible", false), "Visible", false},
        {"IntegerPositive", T().Integer("Left", 245), "Left", int64_t{245}},
        {"IntegerNegative", T().Integer("Left", -1), "Left", int64_t{-1}},
        {"IntegerMin", T().Integer("Left", INT64_MIN), "Left", int64_t{INT64_MIN}},
        {"IntegerMax", T().Integer("Left", INT64_MAX), "Left", int64_t{INT64_MAX}},
        {"Enumeration", T().Integer("Type", 0), "Type", int64_t{0}},
        {"FontUnitZero", T().FontUnit("FontUnit", 0), "FontUnit", int64_t{0}},
        {"FontUnitHigh", T().FontUnit("FontUnit", 255), "FontUnit", int64_t{255}},
        {"SingleTwelve", T().Single("FontSize", 12.0f), "FontSize", 12.0f},
        {"SingleNegativeZero", T().Single("FontSize", -0.0f), "FontSize", -0.0f},
        {"SingleSubnormal", T().Single("FontSize", std::numeric_limits<float>::denorm_min()),
         "FontSize", std::numeric_limits<float>::denorm_min()},
        {"DoubleOne", T().Double("LineSpacing", 1.0), "LineSpacing", 1.0},
        {"DoubleZero", T().Double("LineSpacing", 0.0), "LineSpacing", 0.0},
        {"DoubleTiny", T().Double("LineSpacing", 5e-324), "LineSpacing", 5e-324},
        {"DoubleNaN", T().Double("LineSpacing", std::nan("")), "LineSpacing", std::nan("")},
        {"ColorRed", T().Color("TextColor", 0x00C80000), "TextColor", fw::Color{0x00C80000}},
        {"ColorTransparent", T().Color("TextColor", 0xFF123456), "TextColor",
         fw::Color{0xFF123456}},
        {"StringEmpty", T().String("Value", ""), "Value", ""s},
        {"StringAscii", T().String("Name", "df1Edit"), "Name", "df1Edit"s},
        {"StringWithBlanks", T().String("Value", "two-tailed p "), "Value", "two-tailed p "s},
        {"StringUtf8", T().String("Value", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"), "Value",
         "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"s},
        {"StringWithNul", T().String("Value", "a\0b"s), "Value", "a\0b"s},
    };
    for (const RoundTripRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto entries = fw::DecodePropertyTable(row.table, WidgetType);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].name, row.property);
        EXPECT_EQ(entries[0].offset, 0u);
        EXPECT_TRUE(SameValue(entries[0].value, row.expected));
    }
}

TEST(PropertyTable, BytesAreTheDocumentedEncoding) {
    const fw::PropertyTable table = fw::PropertyTable()
                                        .Integer("Left", 600)
                                        .Boolean("Visible", true)
                                        .FontUnit("FontUnit", 2)
                                        .Single("FontSize", 12.0f)
                                        .Double("LineSpacing", 1.0)
                                        .Color("TextColor", 0x00A20002)
                                        .String("Name", "df");
    const std::string expected =
        "Left \x58\x02\0\0\0\0\0\0"s
        "Visible \x01"s
        "FontUnit \x02"s
        "FontSize \0\0\x40\x41"s
        "LineSpacing \0\0\0\0\0\0\xF0\x3F"s
        "TextColor \x02\x00\xA2\x00"s
        "Name \x02\0\0\0df"s;
    EXPECT_EQ(table.Bytes(), expected);
}

TEST(PropertyTable, BuilderRefusesNamesThatCannotBeRead) {
    for (const char* name : {"", "Two words", "W\xC3\xA9", "Tab\tbed"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(fw::PropertyTable().Boolean(name, true), fw::PropertyTableException);
    }
}

// A table of the kind a window's control gets, with every type in it.
fw::PropertyTable RealisticTable() {
    return fw::PropertyTable()
        .String("Name", "df1Edit")
        .Integer("Left", 245)
        .Integer("Top", 50)
        .Boolean("Visible", false)
        .Color("TextColor", 0x00000000)
        .String("Value", "")
        .Single("FontSize", 12.0f)
        .FontUnit("FontUnit", 0)
        .Double("LineSpacing", 1.0)
        .String("Value", "Z values \xE2\x80\x94 two words");
}

// Decodes a copy of exactly the bytes given, so a read past the end is caught
// by the address sanitizer.
std::vector<fw::PropertyEntry> DecodeExact(std::string_view bytes) {
    auto copy = std::make_unique<char[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.get());
    return fw::DecodePropertyTable(std::string_view(copy.get(), bytes.size()), WidgetType);
}

TEST(PropertyTable, CutAtEveryOffset) {
    const std::string full = RealisticTable().Bytes();
    const auto entries = DecodeExact(full);
    ASSERT_EQ(entries.size(), 10u);
    std::vector<std::size_t> boundaries;
    for (const auto& e : entries) {
        boundaries.push_back(e.offset);
    }
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const auto boundary = std::find(boundaries.begin(), boundaries.end(), cut);
        if (boundary != boundaries.end()) {
            // Cut between entries: a shorter, valid table.
            const auto decoded = DecodeExact(std::string_view(full).substr(0, cut));
            EXPECT_EQ(decoded.size(), static_cast<std::size_t>(boundary - boundaries.begin()));
            continue;
        }
        const std::size_t entryStart =
            *std::prev(std::upper_bound(boundaries.begin(), boundaries.end(), cut));
        try {
            DecodeExact(std::string_view(full).substr(0, cut));
            ADD_FAILURE() << "decoded";
        } catch (const fw::PropertyTableException& e) {
            EXPECT_NE(std::string(e.what()).find("offset " + std::to_string(entryStart)),
                      std::string::npos)
                << e.what();
        }
    }
}

TEST(PropertyTable, EveryByteCorruptedNeverCrashes) {
    const std::string full = RealisticTable().Bytes();
    int refused = 0;
    for (std::size_t at = 0; at < full.size(); ++at) {
        for (unsigned char replacement : {0x00, 0x01, 0x20, 0x7F, 0x80, 0xFF}) {
            std::string bad = full;
            bad[at] = static_cast<char>(replacement);
            try {
                DecodeExact(bad);
            } catch (const fw::PropertyTableException&) {
                ++refused;
            }
        }
    }
    EXPECT_GT(refused, 0);
}

struct BadRow {
    const char* name;
    std::string bytes;
    const char* mentions;  // the property (or the bytes read as its name)
    std::size_t offset;
};

TEST(PropertyTable, BadTablesRaiseNamingPropertyAndOffset) {
    const std::string left = fw::PropertyTable().Integer("Left", 1).Bytes();  // 13 bytes
    const BadRow rows[] = {
        {"UnknownName", "Colour \x01\x02\x03\x04"s, "Colour", 0},
        {"UnknownAfterGood", left + "Wings \x01"s, "Wings", 13},
        {"MissingBlank", "Visible"s, "Visible", 0},
        {"MissingBlankAfterGood", left + "Top"s, "Top", 13},
        {"EmptyName", " \x01"s, "", 0},
        {"NonAsciiName",
         "Vis\xC3\xAD"
         "ble \x01"s,
         "Vis\\xC3\\xADble", 0},
        {"ControlInName", "Vi\x01sible \x01"s, "Vi\\x01sible", 0},
        {"BooleanTwo", "Visible \x02"s, "Visible", 0},
        {"IntegerShort", "Left \x01\x02\x03"s, "Left", 0},
        {"StringCountShort", "Name \x05\x00"s, "Name", 0},
        {"StringLongerThanRest", "Name \x05\0\0\0abcd"s, "Name", 0},
        {"StringCountHuge",
         "Name \xFF\xFF\xFF\xFF"
         "abc"s,
         "Name", 0},
        {"StringSwallowsNext", left + "Name \x0F\0\0\0"s + left, "Name", 13},
    };
    for (const BadRow& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            DecodeExact(row.bytes);
            ADD_FAILURE() << "decoded";
        } catch (const fw::PropertyTableException& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("\""s + row.mentions + "\""), std::string::npos) << message;
            EXPECT_NE(message.find("offset " + std::to_string(row.offset)), std::string::npos)
                << message;
        }
    }
}

TEST(SetProperties, AppliesEveryEntryInTableOrder) {
    Widget widget;
    fw::_SetProperties(widget, RealisticTable());
    ASSERT_EQ(widget.applied.size(), 10u);
    EXPECT_EQ(widget.applied[0].first, "Name");
    EXPECT_EQ(widget.applied[0].second, PropertyValue("df1Edit"s));
    EXPECT_EQ(widget.applied[1].second, PropertyValue(int64_t{245}));
    EXPECT_EQ(widget.applied[3].second, PropertyValue(false));
    EXPECT_EQ(widget.applied[5].first, "Value");
    EXPECT_EQ(widget.applied[9].first, "Value");
    EXPECT_EQ(widget.applied[9].second, PropertyValue("Z values \xE2\x80\x94 two words"s));
}

TEST(SetProperties, TableThatDoesNotDecodeChangesNothing) {
    Widget widget;
    const std::string bytes = RealisticTable().Bytes() + "Left \x01"s;
    EXPECT_THROW(fw::_SetProperties(widget, bytes), fw::PropertyTableException);
    EXPECT_TRUE(widget.applied.empty());
}

TEST(SetProperties, PropertyTheObjectRefusesNamesItsOffset) {
    Widget widget;
    const fw::PropertyTable table = fw::PropertyTable().Integer("Left", 1).Integer("Declined", 2);
    try {
        fw::_SetProperties(widget, table);
        ADD_FAILURE() << "applied";
    } catch (const fw::PropertyTableException& e) {
        EXPECT_NE(std::string(e.what()).find("Declined"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("offset 13"), std::string::npos) << e.what();
    }
    EXPECT_EQ(widget.applied.size(), 1u);
}

TEST(SetProperties, PlainObjectDeclaresNoProperty) {
    fw::Object plain;
    EXPECT_NO_THROW(fw::_SetProperties(plain, ""));
    EXPECT_THROW(fw::_SetProperties(plain, fw::PropertyTable().Boolean("Visible", true)),
                 fw::PropertyTableException);
}

}  // namespace
