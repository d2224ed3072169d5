#pragma once
// Handing out a newly made COM object.

#include <windows.h>

#include <memory>
#include <new>

namespace cpl {

// Makes a T (reference count 0) and asks it for riid, which takes the first
// reference. A T that has no such interface is deleted at once, so it does
// not keep the library's object count up.
template <typename T> HRESULT MakeAndQuery(REFIID riid, void** ppv)
{
    std::unique_ptr<T> object(new (std::nothrow) T);
    if (!object)
        return E_OUTOFMEMORY;
    HRESULT result = object->QueryInterface(riid, ppv);
    if (SUCCEEDED(result))
        object.release();
    return result;
}

}  // namespace cpl
