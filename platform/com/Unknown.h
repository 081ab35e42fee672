#pragma once

#include "platform/com/Guid.h"
#include "platform/com/Result.h"

#include <cstdint>
#include <utility>

namespace com {

// The root of every interface a control library hands out. Objects live as
// long as someone holds a reference; each interface is reached from any
// other through queryInterface, never by a C++ cast, so the caller needs to
// know nothing of the class behind it.
struct Unknown {
    static constexpr Guid iid{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

    virtual Result queryInterface(const Guid& iid, void** out) = 0;
    virtual std::uint32_t addRef() = 0;
    virtual std::uint32_t release() = 0;

protected:
    ~Unknown() = default;
};

// Holds one reference to an interface and gives it back when it goes.
template <class T>
class Ptr {
public:
    Ptr() = default;
    Ptr(std::nullptr_t) {}
    // Takes a new reference to an interface someone else holds.
    explicit Ptr(T* p) : p_(p)
    {
        if (p_)
            p_->addRef();
    }
    Ptr(const Ptr& other) : Ptr(other.p_) {}
    Ptr(Ptr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~Ptr() { reset(); }
    Ptr& operator=(Ptr other) noexcept
    {
        std::swap(p_, other.p_);
        return *this;
    }

    // Takes over a reference that was handed out (an out parameter's).
    static Ptr adopt(T* p)
    {
        Ptr ptr;
        ptr.p_ = p;
        return ptr;
    }

    // The interface of type U that the object behind any other offers, or nothing.
    template <class U>
    static Ptr query(U* from)
    {
        void* out = nullptr;
        if (!from || failed(from->queryInterface(T::iid, &out)))
            return {};
        return adopt(static_cast<T*>(out));
    }

    void reset()
    {
        if (auto* p = std::exchange(p_, nullptr))
            p->release();
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // Hands the reference to an out parameter.
    T* detach() { return std::exchange(p_, nullptr); }
    // For a call that fills an out parameter.
    void** out()
    {
        reset();
        return reinterpret_cast<void**>(&p_);
    }

private:
    T* p_ = nullptr;
};

} // namespace com
