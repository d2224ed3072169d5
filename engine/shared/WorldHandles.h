#pragma once
// Owners of handles that came back through World(): they close through
// World() as well, so a test world sees every close of what it handed out.

#include "EngineWorld.h"
#include "ScopedWin.h"

namespace world_traits {

struct RegistryKey {
    using Handle = HKEY;
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { World().RegCloseKey(key); }
};

struct KernelObject {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE handle) { World().CloseHandle(handle); }
};

struct File {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { World().CloseHandle(handle); }
};

}  // namespace world_traits

using WorldRegKey = ScopedHandle<world_traits::RegistryKey>;
using WorldKernelHandle = ScopedHandle<world_traits::KernelObject>;
using WorldFile = ScopedHandle<world_traits::File>;
