#include "platform/ComponentOwner.h"

#include <gtest/gtest.h>

#include <string>

using platform::ComponentOwner;
using platform::ComponentPointer;
using platform::OwnedComponent;

namespace {

// Writes its name into a log when destroyed, and may take another component
// of the same owner with it.
class Logged : public OwnedComponent {
public:
    Logged(ComponentOwner* owner, std::string& log, char name)
        : OwnedComponent(owner), log_(log), name_(name)
    {
    }
    ~Logged() override
    {
        log_ += name_;
        delete takeAlong.Get();
    }

    ComponentPointer<Logged> takeAlong;

private:
    std::string& log_;
    char name_;
};

} // namespace

TEST(ComponentOwner, DestroysWhatItStillOwnsInTheOrderItWasHanded)
{
    std::string log;
    {
        ComponentOwner owner;
        new Logged(&owner, log, 'a');
        auto* const gone = new Logged(&owner, log, 'b');
        new Logged(&owner, log, 'c');
        delete gone; // destroyed first: it leaves the owner itself
        EXPECT_EQ(log, "b");
        EXPECT_EQ(owner.ComponentCount(), 2);
    }
    EXPECT_EQ(log, "bac");
}

TEST(ComponentOwner, AComponentThatDestroysAnotherOfTheSameOwnerIsDestroyedOnce)
{
    std::string log;
    auto owner = std::make_unique<ComponentOwner>();
    auto* const first = new Logged(owner.get(), log, 'a');
    first->takeAlong = new Logged(owner.get(), log, 'b');
    new Logged(owner.get(), log, 'c');
    owner->DestroyComponents();
    EXPECT_EQ(log, "abc");
    EXPECT_EQ(owner->ComponentCount(), 0);
    new Logged(owner.get(), log, 'd');
    owner.reset();
    EXPECT_EQ(log, "abcd");
}
