// The framework's core as the windows use it: reading and writing the fields'
// numbers, property tables, casts, event bindings and class records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <limits>
#include <memory>
#include <tuple>

#include "framework/core/Delegate.h"
#include "framework/core/FileType.h"
#include "framework/core/Math.h"
#include "framework/core/PropertyTable.h"
#include "framework/core/Text.h"

namespace {

using namespace std::string_literals;
using fw::PropertyType;
using testing::PrintToString;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

// A heap copy of exactly these bytes, so that the sanitizers catch a read past their end.
struct Exact {
    explicit Exact(std::string_view s) : bytes(std::make_unique<char[]>(s.size())), size(s.size()) {
        std::copy(s.begin(), s.end(), bytes.get());
    }
    operator std::string_view() const { return {bytes.get(), size}; }
    std::unique_ptr<char[]> bytes;
    std::size_t size;
};

TEST(Val, ReadsTheLeadingNumberOrZeroAndOverflowsToInfinity) {
    using R = std::pair<const char*, double>;
    for (const auto& [text, value] :
         {R{"", 0}, R{"-", 0}, R{".", 0}, R{"-.", 0}, R{"/", 0}, R{"abc", 0}, R{"inf", 0},
          R{"nan", 0}, R{"1.5", 1.5}, R{"-9", -9}, R{".5", 0.5}, R{"1/2", 1}, R{"12abc", 12},
          R{" 12", 12}, R{"1e", 1}, R{"-.25", -0.25}, R{"2.5E-3", 0.0025}, R{"1e30", 1e30},
          R{"1e999", kInf}, R{"-1e999", -kInf}, R{"1e-999", 0},
          // every kind of leading white space, and nothing else
          R{"\n\r\v\f 12", 12}, R{"\u00A01.96", 1.96}, R{"\u008512", 12}, R{"\u168012", 12},
          R{"\u2000\u200A12", 12}, R{"\u2028\u202912", 12}, R{"\u202F-1.5", -1.5},
          R{"\u205F12", 12}, R{"\t\u00A0 \u3000.5", 0.5}, R{"\u200B12", 0}, R{"\u200E12", 0},
          R{"\u180E12", 0}, R{"\uFEFF12", 0}, R{"-\u00A012", 0}, R{"1\u00A02", 1}, R{"\xA0+1", 0},
          R{"\x85+1", 0}, R{"\xC0\xA0+1", 0}, R{"\xE0\x80\xA0+1", 0}, R{"\xE3\x80", 0}}) {
        EXPECT_EQ(fw::Val(Exact(text)), value) << PrintToString(std::string(text));
    }
    EXPECT_EQ(fw::Val("1e99999999999999999999999"), kInf);
}

TEST(Format, FourDecimalsRoundedHalfAwayWithoutMinusZeroNanOrInf) {
    using R = std::pair<double, const char*>;  // no text: anything but "nan" or "inf"
    for (const auto& [value, expected] :
         {R{0.05, ".0500"}, R{0.9999, ".9999"}, R{0.0, ".0000"}, R{-0.0, ".0000"},
          R{-4.4e-15, ".0000"}, R{-0.0000499999, ".0000"}, R{0.00005, ".0001"}, R{0.31731, ".3173"},
          R{0.99995, "1.0000"}, R{-0.00005, "-.0001"}, R{-0.5, "-.5000"}, R{12.34567, "12.3457"},
          R{1e20, "100000000000000000000.0000"}, R{kInf, nullptr}, R{-kInf, nullptr},
          R{std::numeric_limits<double>::quiet_NaN(), nullptr}}) {
        const std::string text = fw::Format(value, ".0000");
        EXPECT_EQ(text, expected ? expected : text) << value;
        EXPECT_TRUE(!text.empty() && std::none_of(text.begin(), text.end(), ::isalpha)) << text;
    }
}

TEST(Asc, CodeOfTheFirstCharacterNeverReadingPastTheText) {
    using R = std::pair<std::string_view, int64_t>;
    for (const auto& [text, code] :
         {R{"", -1}, R{"0", 48}, R{"9", 57}, R{"-", 45}, R{"/", 47}, R{"\b", 8}, R{"\t", 9},
          R{"abc", 97}, R{"\xC3\xA9", 0xE9}, R{"\xE2\x82\xAC", 0x20AC},
          R{"\xF0\x9F\x98\x80", 0x1F600}, R{"\xE0\x80\xAF", 0xE0} /* an overlong "/" is no "/" */,
          R{"\xE2\x82", 0xE2}, R{"\x80", 0x80}}) {
        EXPECT_EQ(fw::Asc(Exact(text)), code) << text;
    }
}

TEST(TruncToInt64, TowardZeroSaturatingNaNZero) {
    using R = std::pair<double, int64_t>;
    for (const auto& [value, result] :
         {R{1.9, 1}, R{-1.9, -1}, R{-0.5, 0}, R{9999.0, 9999}, R{1e30, kMax}, R{-1e30, kMin},
          R{kInf, kMax}, R{-kInf, kMin}, R{9223372036854775807.0, kMax},
          R{std::numeric_limits<double>::quiet_NaN(), 0}}) {
        EXPECT_EQ(fw::TruncToInt64(value), result) << value;
    }
}

// A class with a property of each type, two events and a window event of its own.
class Widget : public fw::Object {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "Test.Widget", &fw::Object::StaticClass(), [](fw::ClassRecord& r) {
                r.properties = {
                    {"Visible", PropertyType::Boolean},    {"Left", PropertyType::Integer},
                    {"FontUnit", PropertyType::FontUnit},  {"FontSize", PropertyType::Single},
                    {"LineSpacing", PropertyType::Double}, {"TextColor", PropertyType::Color},
                    {"Value", PropertyType::String}};
                r.handlers.emplace("Open",
                                   [](fw::Object&, const fw::Args&) { return fw::Variant(); });
                r.events = {{15, "Action", "( Widget )"},
                            {9, "KeyDown", "( Widget, String ) as Boolean"}};
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }
    void SetProperty(std::string_view name, const fw::PropertyValue& value) override {
        applied.emplace_back(name, value);
    }
    std::vector<std::pair<std::string, fw::PropertyValue>> applied;
};

fw::PropertyTable EveryType() {
    return fw::PropertyTable()
        .Boolean("Visible", true)
        .Integer("Left", -245)
        .FontUnit("FontUnit", 2)
        .Single("FontSize", 12.0f)
        .Double("LineSpacing", 1.0)
        .Color("TextColor", 0x00A20002)
        .String("Value", "t \xE2\x82\xAC");
}

TEST(PropertyTable, EveryTypeReadsBackAndIsAppliedInTableOrder) {
    Widget widget;
    fw::_SetProperties(widget, EveryType());
    const decltype(widget.applied) expected = {
        {"Visible", true},           {"Left", int64_t{-245}}, {"FontUnit", int64_t{2}},
        {"FontSize", 12.0f},         {"LineSpacing", 1.0},    {"TextColor", fw::Color{0x00A20002}},
        {"Value", "t \xE2\x82\xAC"s}};
    EXPECT_EQ(widget.applied, expected);
}

TEST(PropertyTable, ACutCorruptedOrBadTableDecodesOrRaisesAndARaisingOneChangesNothing) {
    const std::string full = EveryType().Bytes();
    const auto entries = fw::DecodePropertyTable(
        full, [](std::string_view name) { return Widget::StaticClass().FindProperty(name); });
    enum Outcome { Raises, Decodes, Either };
    std::vector<std::pair<std::string, Outcome>> tables = {{"Colour \x01"s, Raises},
                                                           {"Visible"s, Raises},
                                                           {"Visible \x02"s, Raises},
                                                           {"Value \x05\0\0\0abcd"s, Raises},
                                                           {"Value \xFF\xFF\xFF\xFF"s, Raises},
                                                           {" \x01"s, Raises}};
    for (std::size_t at = 0; at < full.size(); ++at) {
        const bool between = std::any_of(entries.begin(), entries.end(),
                                         [at](const auto& entry) { return entry.offset == at; });
        tables.emplace_back(full.substr(0, at), between ? Decodes : Raises);
        for (char byte : {'\0', ' ', '\x7F', '\xFF'}) {
            tables.emplace_back(full.substr(0, at) + byte + full.substr(at + 1), Either);
        }
    }
    for (const auto& [bytes, outcome] : tables) {
        Widget widget;
        bool raised = false;
        try {
            fw::_SetProperties(widget, Exact(bytes));
        } catch (const fw::PropertyTableException&) {
            raised = true;
        }
        EXPECT_TRUE(outcome == Either || raised == (outcome == Raises)) << PrintToString(bytes);
        EXPECT_TRUE(!raised || widget.applied.empty());
    }
}

TEST(RuntimeCheckCast, SameObjectForItsClassNilAndOtherClassesRaise) {
    auto widget = std::make_shared<Widget>();
    const fw::Ref<fw::Object> object = widget;
    EXPECT_EQ(fw::RuntimeCheckCast<Widget>(object), widget);
    EXPECT_EQ(fw::RuntimeCheckCast<fw::Object>(object), object);
    EXPECT_THROW(fw::RuntimeCheckCast<Widget>(nullptr), fw::NilObjectException);
    EXPECT_THROW(fw::RuntimeCheckCast<fw::WeakRef>(object), fw::IllegalCastException);
    EXPECT_THROW(fw::RuntimeCheckCast<Widget>(std::make_shared<fw::WeakRef>(object)),
                 fw::IllegalCastException);
}

// The window side of an event binding.
struct Form : fw::Object {
    bool KeyDown(fw::Ref<Widget> from, std::string key) {
        sender = from;
        keys += key;
        return key == "x";
    }
    fw::Ref<Widget> sender;
    std::string keys;
};

TEST(Events, BindOnlyByNumberAndSignatureAndRunWithSenderAndKeyHoldingTheirTargetWeakly) {
    const char* key = "( Widget, String ) as Boolean";
    using R = std::tuple<int, const char*, bool>;
    auto form = std::make_shared<Form>();
    for (const auto& [number, signature, binds] :
         {R{9, key, true}, R{15, "( Widget )", true}, R{15, key, false}, R{9, "( Widget )", false},
          R{9, "(Widget, String) as Boolean", false}, R{21, key, false}}) {
        auto widget = std::make_shared<Widget>();
        auto delegate = fw::RuntimeCreateDelegate(&Form::KeyDown, form, signature, 1);
        if (binds) {
            fw::RuntimeAddEventHandler(widget, number, delegate);
        } else {
            EXPECT_THROW(fw::RuntimeAddEventHandler(widget, number, delegate),
                         fw::EventBindingException)
                << number << signature;
        }
        EXPECT_EQ(widget->BoundEvent(number), binds ? delegate : nullptr);
    }

    auto widget = std::make_shared<Widget>();
    EXPECT_EQ(fw::RaiseEvent(*widget, 9, {"x"s}), std::nullopt);
    fw::RuntimeAddEventHandler(widget, 9, fw::RuntimeCreateDelegate(&Form::KeyDown, form, key, 1));
    EXPECT_EQ(fw::RaiseEvent(*widget, 9, {"x"s}), fw::Variant(true));
    EXPECT_EQ(fw::RaiseEvent(*widget, 9, {"7"s}), fw::Variant(false));
    EXPECT_EQ(form->keys, "x7");
    EXPECT_EQ(form->sender, widget);
    EXPECT_THROW(fw::RaiseEvent(*widget, 9, {int64_t{7}}), fw::EventBindingException);

    const auto weak = std::make_shared<fw::WeakRef>(form);
    form.reset();
    EXPECT_EQ(weak->Value(), nullptr);
    EXPECT_THROW(fw::RaiseEvent(*widget, 9, {"x"s}), fw::NilObjectException);
}

TEST(ClassRecord, BuiltOnceFoundByNameAndAnsweringOnlyItsOwnEvents) {
    static int builds = 0;
    auto build = [](fw::ClassRecord&) { ++builds; };
    EXPECT_EQ(fw::RuntimeLookupClass("Test.Once"), nullptr);
    const fw::ClassRecord& once =
        fw::RuntimeClassRecord("Test.Once", &Widget::StaticClass(), build);
    EXPECT_EQ(&fw::RuntimeClassRecord("Test.Once", nullptr, build), &once);
    EXPECT_EQ(fw::RuntimeLookupClass("Test.Once"), &once);
    EXPECT_EQ(builds, 1);
    Widget widget;
    EXPECT_TRUE(fw::_RuntimeIsEventHandled(widget, "Test.Widget", "Open", true));
    EXPECT_FALSE(fw::_RuntimeIsEventHandled(widget, "Test.Widget", "Close", true));
    EXPECT_FALSE(fw::_RuntimeIsEventHandled(widget, "Test.Once", "Open", true));  // not its class
}

TEST(FileType, AChangedFieldWithdrawsTheRegistrationUntilTheNextConversion) {
    using Type = fw::FileType;
    using Setter = std::function<void(Type&)>;
    // The name is too long to be stored inside a string, so that a value read
    // from a freed registry entry shows under the sanitizers.
    const std::string name = "plain-text-document";
    struct Row {
        const char* field;
        Setter set;
        bool twin;  // an equal type registered after it, which replaced its entry
    };
    const Row rows[] = {
        {"Name", [](Type& t) { t.Name("memo"); }, false},
        {"Extensions", [](Type& t) { t.Extensions("memo"); }, false},
        {"MacType", [](Type& t) { t.MacType("MEMO"); }, false},
        {"MacCreator", [](Type& t) { t.MacCreator("Memo"); }, false},
        {"MimeType", [](Type& t) { t.MimeType("text/memo"); }, false},
        {"Imported", [](Type& t) { t.Imported(false); }, false},
        {"ConformsTo", [](Type& t) { t.ConformsTo("public.text"); }, false},
        {"Extensions, from the registry",
         [](Type& t) { t.Extensions(fw::RuntimeRegisteredFileTypes().back().name); }, false},
        {"MacType, beside its twin", [](Type& t) { t.MacType("MEMO"); }, true},
    };
    const auto entries = [](const Type& t) {
        const auto& all = fw::RuntimeRegisteredFileTypes();
        return std::count_if(all.begin(), all.end(), [&t](const fw::RegisteredFileType& r) {
            return r.name == t.Name() && r.creator == t.MacCreator() && r.type == t.MacType() &&
                   r.extensions == t.Extensions();
        });
    };
    const auto make = [&name] {
        auto type = fw::RuntimeNewObject<Type>();
        type->Name(name);
        type->MacType("TEXT");
        EXPECT_EQ(type->ToString(), name);
        return type;
    };
    for (const auto& [field, set, twin] : rows) {
        SCOPED_TRACE(field);
        auto type = make();
        auto other = twin ? make() : nullptr;
        ASSERT_EQ(entries(*type), 1);
        const std::size_t before = fw::RuntimeRegisteredFileTypes().size();

        set(*type);
        EXPECT_FALSE(type->Registered());
        EXPECT_EQ(fw::RuntimeRegisteredFileTypes().size(), twin ? before : before - 1);
        if (twin) {
            EXPECT_TRUE(other->Registered());
            EXPECT_EQ(entries(*other), 1);
        }

        EXPECT_EQ(type->ToString(), type->Name());
        EXPECT_EQ(type->ToString(), type->Name());
        EXPECT_EQ(entries(*type), 1);
        EXPECT_EQ(fw::RuntimeRegisteredFileTypes().size(), before);
        set(*type);  // leaves the registry as the next case expects it
    }
    EXPECT_TRUE(fw::RuntimeRegisteredFileTypes().empty());
}

}  // namespace
