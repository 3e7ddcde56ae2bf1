// Class records, casts, weak references and the event-handled query.
#include <gtest/gtest.h>

#include <functional>

#include "framework/core/Delegate.h"
#include "framework/core/FileType.h"
#include "framework/core/Object.h"

namespace {

class Animal : public fw::Object {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "Test.Animal", &fw::Object::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("Eat", fw::MethodHandler(&Animal::Eat));
                r.handlers.emplace("Speak", fw::MethodHandler(&Animal::Speak));
                r.properties.emplace("Legs", fw::PropertyType::Integer);
                r.events.push_back({1, "Move", "( Animal )"});
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }
    std::string Eat() { return "animal eats"; }
    std::string Speak() { return "..."; }
};

class Dog : public Animal {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record =
            fw::RuntimeClassRecord("Test.Dog", &Animal::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("Speak", fw::MethodHandler(&Dog::Bark));
                r.properties.emplace("Name", fw::PropertyType::String);
                r.events.push_back({2, "Bark", "( Dog )"});
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }
    std::string Bark() { return "woof"; }
};

class Stone : public fw::Object {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "Test.Stone", &fw::Object::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("Eat", fw::MethodHandler(&Stone::Nothing));
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }
    void Nothing() {}
};

struct CastRow {
    const char* name;
    std::function<fw::Ref<fw::Object>()> make;
    std::function<fw::Ref<fw::Object>(const fw::Ref<fw::Object>&)> cast;
    enum { Same, Nil, Illegal } outcome;
};

template <class T>
fw::Ref<fw::Object> CastTo(const fw::Ref<fw::Object>& obj) {
    return fw::RuntimeCheckCast<T>(obj);
}

TEST(RuntimeCheckCast, NilRightClassSubclassOtherClass) {
    auto none = [] { return fw::Ref<fw::Object>(); };
    auto animal = [] { return fw::Ref<fw::Object>(fw::RuntimeNewObject<Animal>()); };
    auto dog = [] { return fw::Ref<fw::Object>(fw::RuntimeNewObject<Dog>()); };
    auto stone = [] { return fw::Ref<fw::Object>(fw::RuntimeNewObject<Stone>()); };
    const CastRow rows[] = {
        {"NilToAnimal", none, CastTo<Animal>, CastRow::Nil},
        {"NilToObject", none, CastTo<fw::Object>, CastRow::Nil},
        {"AnimalToAnimal", animal, CastTo<Animal>, CastRow::Same},
        {"DogToAnimal", dog, CastTo<Animal>, CastRow::Same},
        {"DogToObject", dog, CastTo<fw::Object>, CastRow::Same},
        {"AnimalToDog", animal, CastTo<Dog>, CastRow::Illegal},
        {"StoneToAnimal", stone, CastTo<Animal>, CastRow::Illegal},
        {"DogToStone", dog, CastTo<Stone>, CastRow::Illegal},
    };
    for (const CastRow& row : rows) {
        SCOPED_TRACE(row.name);
        const fw::Ref<fw::Object> obj = row.make();
        switch (row.outcome) {
            case CastRow::Same:
                EXPECT_EQ(row.cast(obj), obj);
                break;
            case CastRow::Nil:
                EXPECT_THROW(row.cast(obj), fw::NilObjectException);
                break;
            case CastRow::Illegal:
                try {
                    row.cast(obj);
                    ADD_FAILURE() << "no IllegalCastException";
                } catch (const fw::IllegalCastException& e) {
                    EXPECT_NE(std::string(e.what()).find(obj->Class().name), std::string::npos)
                        << e.what();
                    EXPECT_STREQ(e.ClassName(), "IllegalCastException");
                }
                break;
        }
    }
}

int countedBuilds = 0;

void BuildCounted(fw::ClassRecord&) {
    ++countedBuilds;
}

void BuildOther(fw::ClassRecord&) {
    ADD_FAILURE() << "a registered record was built again";
}

TEST(ClassRecord, BuiltOnceAndLookedUpByName) {
    EXPECT_EQ(fw::RuntimeLookupClass("Test.Counted"), nullptr);
    const fw::ClassRecord* object = &fw::Object::StaticClass();
    const fw::ClassRecord& first = fw::RuntimeClassRecord("Test.Counted", object, BuildCounted);
    const fw::ClassRecord& again = fw::RuntimeClassRecord("Test.Counted", object, BuildCounted);
    const fw::ClassRecord& other = fw::RuntimeClassRecord("Test.Counted", object, BuildOther);
    EXPECT_EQ(countedBuilds, 1);
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(&first, &other);
    EXPECT_EQ(fw::RuntimeLookupClass("Test.Counted"), &first);
    EXPECT_EQ(first.name, "Test.Counted");
    // Many later registrations do not move the record.
    for (int i = 0; i < 100; ++i) {
        fw::RuntimeClassRecord("Test.Filler" + std::to_string(i), object);
    }
    EXPECT_EQ(fw::RuntimeLookupClass("Test.Counted"), &first);
    EXPECT_EQ(fw::RuntimeLookupClass("Test.Filler7")->name, "Test.Filler7");
}

TEST(ClassRecord, StaticClassIsTheRegisteredRecord) {
    EXPECT_EQ(&Dog::StaticClass(), fw::RuntimeLookupClass("Test.Dog"));
    EXPECT_EQ(&fw::Object::StaticClass(), fw::RuntimeLookupClass("Object"));
    EXPECT_EQ(fw::RuntimeLookupClass("Test.Dog")->parent, &Animal::StaticClass());
    EXPECT_EQ(fw::WeakRef::StaticClass().parent, &fw::Object::StaticClass());
    EXPECT_EQ(fw::Delegate::StaticClass().name, "Delegate");
    EXPECT_EQ(fw::FileType::StaticClass().name, "FileType");
}

TEST(ClassRecord, LookupsFollowTheParents) {
    const fw::ClassRecord& dog = Dog::StaticClass();
    EXPECT_TRUE(dog.IsA(dog));
    EXPECT_TRUE(dog.IsA(Animal::StaticClass()));
    EXPECT_TRUE(dog.IsA(fw::Object::StaticClass()));
    EXPECT_FALSE(Animal::StaticClass().IsA(dog));
    EXPECT_FALSE(dog.IsA(Stone::StaticClass()));

    ASSERT_NE(dog.FindEvent(1), nullptr);
    EXPECT_EQ(dog.FindEvent(1)->name, "Move");
    EXPECT_EQ(dog.FindEvent(2)->name, "Bark");
    EXPECT_EQ(Animal::StaticClass().FindEvent(2), nullptr);

    EXPECT_EQ(dog.FindProperty("Legs"), fw::PropertyType::Integer);
    EXPECT_EQ(dog.FindProperty("Name"), fw::PropertyType::String);
    EXPECT_EQ(dog.FindProperty("Wings"), std::nullopt);

    Dog rex;
    ASSERT_NE(dog.FindHandler("Speak"), nullptr);
    EXPECT_EQ(std::get<std::string>((*dog.FindHandler("Speak"))(rex, {})), "woof");
    EXPECT_EQ(std::get<std::string>((*dog.FindHandler("Eat"))(rex, {})), "animal eats");
    EXPECT_EQ(dog.FindHandler("Fly"), nullptr);
}

TEST(RuntimeIsEventHandled, OnlyTheNamedClassOwnHandlers) {
    Dog dog;
    Stone stone;
    struct Row {
        const char* name;
        const fw::Object& obj;
        const char* className;
        const char* event;
        bool expected;
    };
    const Row rows[] = {
        {"OwnHandler", dog, "Test.Dog", "Speak", true},
        {"ParentsHandlerNotOwn", dog, "Test.Dog", "Eat", false},
        {"AskedOfParentClass", dog, "Test.Animal", "Eat", true},
        {"NoSuchEvent", dog, "Test.Dog", "Fly", false},
        {"ObjectOfOtherClass", stone, "Test.Animal", "Eat", false},
        {"UnregisteredClass", dog, "Test.Nowhere", "Speak", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::_RuntimeIsEventHandled(row.obj, row.className, row.event, true),
                  row.expected);
    }
}

TEST(Object, UnknownPropertyRaisesNamingIt) {
    Dog dog;
    try {
        dog.SetProperty("Wings", int64_t{2});
        ADD_FAILURE() << "no exception";
    } catch (const fw::PropertyTableException& e) {
        EXPECT_NE(std::string(e.what()).find("Wings"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Test.Dog"), std::string::npos) << e.what();
    }
}

TEST(WeakRef, NilOnceTheObjectIsGone) {
    auto dog = fw::RuntimeNewObject<Dog>();
    auto weak = std::make_shared<fw::WeakRef>(dog);
    EXPECT_EQ(weak->Value(), dog);
    EXPECT_EQ(dog.use_count(), 1);  // the weak reference keeps nothing alive
    EXPECT_EQ(fw::RuntimeCheckCast<fw::WeakRef>(weak), weak);
    dog.reset();
    EXPECT_EQ(weak->Value(), nullptr);
    EXPECT_EQ(fw::WeakRef(nullptr).Value(), nullptr);
}

}  // namespace
