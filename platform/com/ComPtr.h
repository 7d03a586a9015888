#pragma once
// A reference to a component object held by scope: released when it goes,
// or when another takes its place. What a call hands back through an
// out-parameter goes straight into it (&ptr), so no path can forget the
// release.

#include <utility>

#include "platform/com/ComTypes.h"

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }

    void Reset() {
        if (m_p) m_p->Release();
        m_p = nullptr;
    }
    Interface* Get() const { return m_p; }
    Interface* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For a call that hands back a new reference; what was held goes first.
    Interface** operator&() {
        Reset();
        return &m_p;
    }
    // For CoCreateInstance and QueryInterface, which take void**.
    void** AsOut() { return reinterpret_cast<void**>(&*this); }

private:
    Interface* m_p = nullptr;
};
