#pragma once

#include <memory>
#include <vector>

namespace platform {

class ComponentOwner;

// A part of the program that an owner may destroy: made with new and handed
// to an owner at construction (or to none), it is destroyed by that owner
// when the owner goes, unless it was destroyed before; then it leaves the
// owner's list itself. Derived classes tidy up their own links (a series
// leaves its chart) in their destructors, before this base leaves the owner.
class OwnedComponent {
public:
    explicit OwnedComponent(ComponentOwner* owner);
    OwnedComponent(const OwnedComponent&) = delete;
    OwnedComponent& operator=(const OwnedComponent&) = delete;
    virtual ~OwnedComponent();

    ComponentOwner* Owner() const { return owner_; }

private:
    friend class ComponentOwner;
    template <typename T>
    friend class ComponentPointer;

    ComponentOwner* owner_;
    // Lives as long as the component; ComponentPointer watches it.
    std::shared_ptr<const bool> lifetime_ = std::make_shared<const bool>(true);
};

// Owns components: destroys those it still holds, in the order they were
// handed to it, when it goes or when asked to.
class ComponentOwner {
public:
    ComponentOwner() = default;
    ComponentOwner(const ComponentOwner&) = delete;
    ComponentOwner& operator=(const ComponentOwner&) = delete;
    ~ComponentOwner();

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    void DestroyComponents();

private:
    friend class OwnedComponent;
    // Takes the component on, or lets it go without destroying it.
    void Insert(OwnedComponent& component);
    void Remove(OwnedComponent& component);

    std::vector<std::unique_ptr<OwnedComponent>> components_;
};

// A reference to a component that reads null once the component is
// destroyed, by whoever destroys it.
template <typename T>
class ComponentPointer {
public:
    ComponentPointer() = default;
    ComponentPointer(T* component)
        : component_(component)
    {
        if (component != nullptr)
            lifetime_ = static_cast<const OwnedComponent*>(component)->lifetime_;
    }

    T* Get() const { return lifetime_.expired() ? nullptr : component_; }
    operator T*() const { return Get(); }
    T* operator->() const { return Get(); }

private:
    T* component_ = nullptr;
    std::weak_ptr<const bool> lifetime_;
};

} // namespace platform
