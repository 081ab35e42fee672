#pragma once

#include "platform/com/Unknown.h"

#include <atomic>
#include <tuple>

namespace com {

// A reference-counted object offering the interfaces it derives from. The
// first interface stands for the object when its Unknown is asked for; a
// class offering more (an interface derived from one it lists) says so in
// findInterface.
template <class... Interfaces>
class Object : public Interfaces... {
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    Result queryInterface(const Guid& iid, void** out) override
    {
        if (!out)
            return kNullPointer;
        *out = nullptr;
        if (iid == Unknown::iid)
            *out = static_cast<First*>(this);
        else
            (void)((iid == Interfaces::iid ? (*out = static_cast<Interfaces*>(this), true) : false) || ...);
        if (!*out)
            *out = findInterface(iid);
        if (!*out)
            return kNoInterface;
        addRef();
        return kOk;
    }
    std::uint32_t addRef() override { return ++references_; }
    std::uint32_t release() override
    {
        const std::uint32_t left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    Unknown* unknown() { return static_cast<First*>(this); }

protected:
    virtual ~Object() = default;
    virtual void* findInterface(const Guid&) { return nullptr; }

private:
    std::atomic<std::uint32_t> references_{0};
};

// Makes an object and hands out its first reference.
template <class T, class... Args>
Ptr<T> make(Args&&... args)
{
    return Ptr<T>(new T(std::forward<Args>(args)...));
}

} // namespace com
