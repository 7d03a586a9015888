#pragma once
// The IUnknown of a component object that offers one interface besides
// IUnknown itself: QueryInterface answers for the two, and the count of
// references is either the object's own (it deletes itself when the last one
// goes) or, for a part that lives inside another object, that object's.
//
// It does not aggregate, offer several interfaces or count across threads:
// an object lives on the one thread that made it.

#include "platform/com/ComTypes.h"

template <typename Interface, const IID& InterfaceId>
class ComObject : public Interface {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) final {
        if (!ppv) return E_POINTER;
        if (riid == InterfaceId || riid == IID_IUnknown) {
            *ppv = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }

    ULONG AddRef() final { return m_owner ? m_owner->AddRef() : ++m_refs; }

    ULONG Release() final {
        if (m_owner) return m_owner->Release();
        ULONG left = --m_refs;
        if (left == 0) delete this;
        return left;
    }

protected:
    // An object of its own, holding the one reference its maker gets.
    ComObject() = default;
    // A part of `owner`: it lives and dies with the owner, whose count it shares.
    explicit ComObject(IUnknown& owner) : m_owner(&owner) {}
    ~ComObject() override = default;

private:
    IUnknown* m_owner = nullptr;
    ULONG m_refs = 1;
};
