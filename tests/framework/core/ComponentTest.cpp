// Ownership, names and free notification of TComponent.

#include "tests/framework/core/TestComponents.h"
#include "tests/support/RaisedMessage.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Records its name in a shared log when destroyed.
class TOrderProbe : public TComponent {
public:
    TOrderProbe(TComponent* AOwner, const std::string& AName, std::vector<std::string>& ALog)
        : TComponent(AOwner), FLog(ALog) {
        SetName(AName);
    }
    ~TOrderProbe() override { FLog.push_back(Name()); }

private:
    std::vector<std::string>& FLog;
};

// A derived destructor that still uses a component it owns: owned components outlive it.
class TUsesChildInDestructor : public TComponent {
public:
    explicit TUsesChildInDestructor(std::string& ASeen) : TComponent(nullptr), FSeen(ASeen) {
        FChild = new TTestWidget(this);
        FChild->SetCaption("still here");
    }
    ~TUsesChildInDestructor() override { FSeen = FChild->Caption(); }

private:
    std::string& FSeen;
    TTestWidget* FChild;
};

TEST(Component, OwnerDestroysOwnedComponentsInReverseOrder) {
    std::vector<std::string> Log;
    auto* Owner = new TOrderProbe(nullptr, "Owner", Log);
    new TOrderProbe(Owner, "First", Log);
    auto* Second = new TOrderProbe(Owner, "Second", Log);
    new TOrderProbe(Second, "Grandchild", Log);
    new TOrderProbe(Owner, "Third", Log);
    ASSERT_EQ(Owner->ComponentCount(), 3);
    EXPECT_EQ(Second->ComponentIndex(), 1);
    EXPECT_EQ(Second->Owner(), Owner);

    delete Owner;
    EXPECT_EQ(Log, (std::vector<std::string>{"Owner", "Third", "Second", "Grandchild", "First"}));
}

TEST(Component, DeletingAnOwnedComponentRemovesItFromItsOwner) {
    TTestForm Form;
    auto* A = new TTestWidget(&Form);
    auto* B = new TTestWidget(&Form);
    delete A;
    ASSERT_EQ(Form.ComponentCount(), 1);
    EXPECT_EQ(Form.Components(0), B);
    EXPECT_EQ(B->ComponentIndex(), 0);
    EXPECT_THROW(Form.Components(1), EListError);
}

TEST(Component, DerivedDestructorMayStillUseOwnedComponents) {
    std::string Seen;
    delete new TUsesChildInDestructor(Seen);
    EXPECT_EQ(Seen, "still here");
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponentsIgnoringCase) {
    TTestForm Form;
    auto* A = new TTestWidget(&Form);
    auto* B = new TTestWidget(&Form);
    A->SetName("btnAdd");
    EXPECT_EQ(Form.FindComponent("BTNADD"), A);
    EXPECT_EQ(Form.FindComponent(""), nullptr);

    EXPECT_EQ(RaisedMessage<EComponentError>([&] { B->SetName("BtnAdd"); }), "A component named BtnAdd already exists");
    EXPECT_EQ(B->Name(), "");
    A->SetName("BTNADD"); // renaming itself in another case is fine
    EXPECT_EQ(A->Name(), "BTNADD");

    for (const char* Bad : {"1abc", "a b", "a.b", "é"})
        EXPECT_THROW(B->SetName(Bad), EComponentError) << Bad;
    EXPECT_NO_THROW(B->SetName("_x1"));
    EXPECT_NO_THROW(B->SetName("")); // unnamed components are allowed
}

TEST(Component, ChangingOwnersChecksTheNameAndTellsBothOwners) {
    TTestForm First, Second;
    auto* Watcher1 = new TTestWatcher(&First);
    auto* Watcher2 = new TTestWatcher(&Second);
    auto* Widget = new TTestWidget(&First);
    Widget->SetName("Shared");
    auto* Clash = new TTestWidget(&Second);
    Clash->SetName("shared");

    EXPECT_THROW(Second.InsertComponent(Widget), EComponentError);
    EXPECT_EQ(Widget->Owner(), &First);

    Clash->SetName("Other");
    Second.InsertComponent(Widget);
    EXPECT_EQ(Widget->Owner(), &Second);
    EXPECT_EQ(First.ComponentCount(), 1);
    ASSERT_FALSE(Watcher1->Log.empty());
    EXPECT_EQ(Watcher1->Log.back().Component, Widget);
    EXPECT_EQ(Watcher1->Log.back().Operation, opRemove);
    EXPECT_EQ(Watcher2->Log.back().Component, Widget);
    EXPECT_EQ(Watcher2->Log.back().Operation, opInsert);
}

TEST(Component, FreeNotificationClearsTheReferenceWhenTheTargetDiesFirst) {
    TTestForm FormA, FormB;
    auto* Target = new TTestWidget(&FormA);
    auto* Watcher = new TTestWatcher(&FormB);
    Watcher->Watch(Target);
    Watcher->Watch(Target); // registering twice is harmless

    delete Target;
    EXPECT_EQ(Watcher->Watched(), nullptr);
    ASSERT_EQ(Watcher->Log.size(), 1u);
    EXPECT_EQ(Watcher->Log[0].Operation, opRemove);
    // The dying component was still whole when the watcher was told.
    EXPECT_EQ(Watcher->Log[0].ClassName, "TTestWidget");
}

TEST(Component, FreeNotificationForgetsASubscriberThatDiesFirst) {
    auto Target = std::make_unique<TTestWidget>(nullptr);
    auto* Watcher = new TTestWatcher(nullptr);
    Watcher->Watch(Target.get());
    delete Watcher;
    Target.reset(); // would notify a dead watcher (AddressSanitizer) if the registration had stayed
    SUCCEED();
}

TEST(Component, RemoveFreeNotificationStopsTheNotification) {
    auto* Target = new TTestWidget(nullptr);
    TTestWatcher Watcher(nullptr);
    Watcher.Watch(Target);
    Target->RemoveFreeNotification(&Watcher);
    delete Target;
    EXPECT_TRUE(Watcher.Log.empty());
}

TEST(Component, DestroyingAFormClearsReferencesAcrossFormsInEitherOrder) {
    for (bool ReferencedFormFirst : {true, false}) {
        auto* FormA = new TTestForm;
        auto* FormB = new TTestForm;
        auto* InA = new TTestWidget(FormA);
        auto* InB = new TTestWidget(FormB);
        InA->SetBuddy(InB);
        InB->SetBuddy(InA);
        FormA->SetActiveControl(InB);
        if (ReferencedFormFirst) {
            delete FormB;
            EXPECT_EQ(InA->Buddy(), nullptr);
            EXPECT_EQ(FormA->ActiveControl(), nullptr);
            delete FormA;
        } else {
            delete FormA;
            EXPECT_EQ(InB->Buddy(), nullptr);
            delete FormB;
        }
    }
}

TEST(Component, SiblingsReferencingEachOtherDieCleanly) {
    auto* Form = new TTestForm;
    auto* A = new TTestWidget(Form);
    auto* B = new TTestWidget(Form);
    auto* C = new TTestWidget(Form);
    A->SetBuddy(C);
    C->SetBuddy(A);
    B->SetBuddy(B);
    Form->SetActiveControl(A);
    delete C;
    EXPECT_EQ(A->Buddy(), nullptr);
    delete Form; // A's and B's references are cleared or forgotten without touching freed memory
    SUCCEED();
}

TEST(Component, SubscribersSeeTheDyingComponentAsDestroying) {
    auto* Target = new TTestWidget(nullptr);
    auto* Owned = new TTestWidget(Target);
    struct TStateProbe : TComponent {
        using TComponent::TComponent;
        void Notification(TComponent* AComponent, TOperation Operation) override {
            if (Operation == opRemove) {
                Seen = AComponent->ComponentState().Contains(csDestroying);
                OwnedSeen = AComponent->Components(0)->ComponentState().Contains(csDestroying);
            }
        }
        bool Seen = false;
        bool OwnedSeen = false;
    } Probe(nullptr);
    Target->FreeNotification(&Probe);
    EXPECT_FALSE(Owned->ComponentState().Contains(csDestroying));
    delete Target;
    EXPECT_TRUE(Probe.Seen);
    EXPECT_TRUE(Probe.OwnedSeen);
}

TEST(Component, AComponentOnTheStackStillNotifiesItsSubscribers) {
    TTestWatcher Watcher(nullptr);
    {
        TTestWidget Local(nullptr);
        Watcher.Watch(&Local);
    }
    EXPECT_EQ(Watcher.Watched(), nullptr);
}

TEST(Component, DesigningStateReachesOwnedComponents) {
    TTestForm Form;
    auto* Widget = new TTestWidget(&Form);
    Form.SetDesigning(true);
    EXPECT_TRUE(Widget->ComponentState().Contains(csDesigning));
    Form.SetDesigning(false, false);
    EXPECT_FALSE(Form.ComponentState().Contains(csDesigning));
    EXPECT_TRUE(Widget->ComponentState().Contains(csDesigning));
}

} // namespace
