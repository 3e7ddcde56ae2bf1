// Delegates bound to control events by number, and class events.
#include <gtest/gtest.h>

#include "framework/core/Delegate.h"

namespace {

constexpr const char* kActionSig = "( Button )";
constexpr const char* kKeySig = "( Button, String ) as Boolean";
constexpr const char* kClickSig = "( Button, Integer, Integer ) as Boolean";

class Button : public fw::Object {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "Test.Button", &fw::Object::StaticClass(), [](fw::ClassRecord& r) {
                r.events = {{15, "Action", kActionSig}, {9, "KeyDown", kKeySig}};
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }
};

// Inherits its events from Button and adds one.
class RoundButton : public Button {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "Test.RoundButton", &Button::StaticClass(), [](fw::ClassRecord& r) {
                r.events = {{21, "MouseDown", kClickSig}};
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }
};

class Form : public fw::Object {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record =
            fw::RuntimeClassRecord("Test.Form", &fw::Object::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("Open", fw::MethodHandler(&Form::Event_Open));
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    void Button_Action(fw::Ref<Button> sender) {
        ++actions;
        lastSender = sender;
    }
    bool Button_KeyDown(fw::Ref<Button> sender, std::string key) {
        lastSender = sender;
        keys += key;
        return key == "x";
    }
    bool Button_MouseDown(fw::Ref<RoundButton>, int64_t x, int64_t y) { return x < y; }
    void Event_Open() { ++opens; }

    int actions = 0;
    int opens = 0;
    std::string keys;
    fw::Ref<Button> lastSender;
};

// A form subclass that answers no class event itself.
class PlainForm : public Form {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record =
            fw::RuntimeClassRecord("Test.PlainForm", &Form::StaticClass());
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }
};

TEST(RuntimeAddEventHandler, SignatureMustBeTheEvents) {
    auto form = fw::RuntimeNewObject<Form>();
    struct Row {
        const char* name;
        int number;
        const char* signature;
        bool fits;
    };
    const Row rows[] = {
        {"ActionFits", 15, kActionSig, true},
        {"KeyDownFits", 9, kKeySig, true},
        {"ActionGivenKeyDownSignature", 15, kKeySig, false},
        {"KeyDownGivenActionSignature", 9, kActionSig, false},
        {"SpacingDiffers", 15, "(Button)", false},
        {"OtherClassName", 15, "( PushButton )", false},
        {"UnknownNumber", 99, kActionSig, false},
        {"SubclassEventOnBase", 21, kClickSig, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto button = fw::RuntimeNewObject<Button>();
        auto delegate = fw::RuntimeCreateDelegate(&Form::Button_Action, form, row.signature, 1);
        if (row.fits) {
            EXPECT_NO_THROW(fw::RuntimeAddEventHandler(button, row.number, delegate));
            EXPECT_EQ(button->BoundEvent(row.number), delegate);
            continue;
        }
        try {
            fw::RuntimeAddEventHandler(button, row.number, delegate);
            ADD_FAILURE() << "bound";
        } catch (const fw::EventBindingException& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(row.signature), std::string::npos) << message;
            EXPECT_NE(message.find("Test.Button"), std::string::npos) << message;
            if (const fw::EventDecl* event = button->Class().FindEvent(row.number)) {
                EXPECT_NE(message.find(event->signature), std::string::npos) << message;
            }
        }
        EXPECT_EQ(button->BoundEvent(row.number), nullptr);
    }
}

TEST(RuntimeAddEventHandler, NilObjectOrDelegateRaises) {
    auto form = fw::RuntimeNewObject<Form>();
    auto delegate = fw::RuntimeCreateDelegate(&Form::Button_Action, form, kActionSig, 1);
    EXPECT_THROW(fw::RuntimeAddEventHandler(nullptr, 15, delegate), fw::NilObjectException);
    EXPECT_THROW(fw::RuntimeAddEventHandler(fw::RuntimeNewObject<Button>(), 15, nullptr),
                 fw::NilObjectException);
    fw::Ref<Form> none;
    EXPECT_THROW(fw::RuntimeCreateDelegate(&Form::Button_Action, none, kActionSig, 1),
                 fw::NilObjectException);
}

TEST(RaiseEvent, RunsTheBoundHandlerWithSenderAndArguments) {
    auto form = fw::RuntimeNewObject<Form>();
    auto button = fw::RuntimeNewObject<Button>();
    EXPECT_EQ(fw::RaiseEvent(*button, 15), std::nullopt);
    EXPECT_EQ(fw::RaiseEvent(*button, 9, {std::string("x")}), std::nullopt);
    EXPECT_EQ(form->actions, 0);

    fw::RuntimeAddEventHandler(
        button, 15, fw::RuntimeCreateDelegate(&Form::Button_Action, form, kActionSig, 1));
    fw::RuntimeAddEventHandler(button, 9,
                               fw::RuntimeCreateDelegate(&Form::Button_KeyDown, form, kKeySig, 1));

    EXPECT_EQ(fw::RaiseEvent(*button, 15), fw::Variant(std::monostate{}));
    EXPECT_EQ(form->actions, 1);
    EXPECT_EQ(form->lastSender, button);
    EXPECT_EQ(fw::RaiseEvent(*button, 9, {std::string("x")}), fw::Variant(true));
    EXPECT_EQ(fw::RaiseEvent(*button, 9, {std::string("7")}), fw::Variant(false));
    EXPECT_EQ(form->keys, "x7");
    // A wrong argument list is an error, not a crash.
    EXPECT_THROW(fw::RaiseEvent(*button, 9, {int64_t{7}}), fw::EventBindingException);
    EXPECT_THROW(fw::RaiseEvent(*button, 9), fw::EventBindingException);
}

TEST(RaiseEvent, InheritedAndOwnEventsOfASubclass) {
    auto form = fw::RuntimeNewObject<Form>();
    auto round = fw::RuntimeNewObject<RoundButton>();
    fw::RuntimeAddEventHandler(
        round, 15, fw::RuntimeCreateDelegate(&Form::Button_Action, form, kActionSig, 1));
    fw::RuntimeAddEventHandler(
        round, 21, fw::RuntimeCreateDelegate(&Form::Button_MouseDown, form, kClickSig, 1));
    fw::RaiseEvent(*round, 15);
    EXPECT_EQ(form->actions, 1);
    EXPECT_EQ(fw::RaiseEvent(*round, 21, {int64_t{3}, int64_t{5}}), fw::Variant(true));
    EXPECT_EQ(fw::RaiseEvent(*round, 21, {int64_t{5}, int64_t{3}}), fw::Variant(false));
}

TEST(RaiseEvent, LaterBindingReplacesEarlier) {
    auto first = fw::RuntimeNewObject<Form>();
    auto second = fw::RuntimeNewObject<Form>();
    auto button = fw::RuntimeNewObject<Button>();
    fw::RuntimeAddEventHandler(
        button, 15, fw::RuntimeCreateDelegate(&Form::Button_Action, first, kActionSig, 1));
    fw::RuntimeAddEventHandler(
        button, 15, fw::RuntimeCreateDelegate(&Form::Button_Action, second, kActionSig, 1));
    fw::RaiseEvent(*button, 15);
    EXPECT_EQ(first->actions, 0);
    EXPECT_EQ(second->actions, 1);
}

TEST(RaiseEvent, DelegateDoesNotKeepItsTargetAlive) {
    auto form = fw::RuntimeNewObject<Form>();
    std::weak_ptr<Form> watch = form;
    auto button = fw::RuntimeNewObject<Button>();
    fw::RuntimeAddEventHandler(
        button, 15, fw::RuntimeCreateDelegate(&Form::Button_Action, form, kActionSig, 1));
    form.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_THROW(fw::RaiseEvent(*button, 15), fw::NilObjectException);
}

TEST(RaiseClassEvent, HandlerOfTheClassOrItsParents) {
    Form form;
    PlainForm plain;
    EXPECT_EQ(fw::RaiseClassEvent(form, "Open"), fw::Variant(std::monostate{}));
    EXPECT_EQ(form.opens, 1);
    EXPECT_EQ(fw::RaiseClassEvent(plain, "Open"), fw::Variant(std::monostate{}));
    EXPECT_EQ(plain.opens, 1);
    EXPECT_EQ(fw::RaiseClassEvent(form, "Close"), std::nullopt);
    EXPECT_TRUE(fw::_RuntimeIsEventHandled(form, "Test.Form", "Open", true));
    EXPECT_FALSE(fw::_RuntimeIsEventHandled(plain, "Test.PlainForm", "Open", true));
}

}  // namespace
