#pragma once
// In-process component classes, created by class identifier. A component
// library registers its class once; CoCreateInstance finds it here.

#include "platform/com/ComTypes.h"

// Makes a new object of the class and asks it for the interface riid.
using CreateInstanceFunction = HRESULT (*)(REFIID riid, void** ppv);

class ClassRegistry {
public:
    static void Register(REFCLSID clsid, CreateInstanceFunction create);
    static CreateInstanceFunction Find(REFCLSID clsid);
};

HRESULT CoInitializeEx(void* pvReserved, DWORD dwCoInit);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, void** ppv);
