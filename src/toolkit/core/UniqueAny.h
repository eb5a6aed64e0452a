// A move-only owner of one handle, parameterised by the function that closes
// it. Every GDI, GDI+ and kernel object the toolkit creates lives in one of
// these, so no control code frees anything by hand.
#pragma once

#include <utility>

template <typename T, void (*Close)(T) noexcept, T Invalid = T{}> class UniqueAny {
public:
    UniqueAny() noexcept = default;
    explicit UniqueAny(T value) noexcept : m_value(value) {}
    UniqueAny(UniqueAny&& other) noexcept : m_value(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    ~UniqueAny() { reset(); }

    T get() const noexcept { return m_value; }
    explicit operator bool() const noexcept { return m_value != Invalid; }

    // Gives up ownership, for the places where Win32 takes the object over.
    T release() noexcept { return std::exchange(m_value, Invalid); }

    void reset(T value = Invalid) noexcept {
        T old = std::exchange(m_value, value);
        if (old != Invalid)
            Close(old);
    }

    // For out-parameters of create functions: closes the current value first.
    T* put() noexcept {
        reset();
        return &m_value;
    }

private:
    T m_value = Invalid;
};
