#include "platform/ComponentOwner.h"

#include <algorithm>

namespace platform {

OwnedComponent::OwnedComponent(ComponentOwner* owner)
    : owner_(owner)
{
    if (owner_ != nullptr)
        owner_->Insert(*this);
}

OwnedComponent::~OwnedComponent()
{
    if (owner_ != nullptr)
        owner_->Remove(*this);
}

ComponentOwner::~ComponentOwner()
{
    DestroyComponents();
}

void ComponentOwner::DestroyComponents()
{
    // Each component leaves the list before it is destroyed, so its
    // destructor, and whatever that destroys in turn, finds the list whole.
    while (!components_.empty()) {
        std::unique_ptr<OwnedComponent> first = std::move(components_.front());
        components_.erase(components_.begin());
        first->owner_ = nullptr;
    }
}

void ComponentOwner::Insert(OwnedComponent& component)
{
    // Room first: once the list holds the component, nothing may fail, or
    // the failure would destroy a component still being constructed.
    if (components_.size() == components_.capacity())
        components_.reserve(std::max<std::size_t>(4, components_.capacity() * 2));
    components_.emplace_back(&component);
}

void ComponentOwner::Remove(OwnedComponent& component)
{
    const auto found = std::find_if(components_.begin(), components_.end(),
                                    [&component](const auto& owned) { return owned.get() == &component; });
    if (found == components_.end())
        return;
    (void)found->release();
    components_.erase(found);
}

} // namespace platform
