// Finding, loading and locking the program's own resources.
#include "host/host.h"
#include "shell/win32/resources.h"
#include "shell/win32/win32_api.h"
#include "shell/win32/window_registry.h"

namespace {

bool SameName(LPCSTR wanted, LPCSTR stored) {
    if (IS_INTRESOURCE(wanted) || IS_INTRESOURCE(stored)) return wanted == stored;
    return lstrcmpiA(wanted, stored) == 0;
}

bool IsOwnModule(HMODULE module) { return module == nullptr || module == Win32ModuleInstance(); }

const Win32Resource* AsResource(HRSRC resource) {
    const Win32Resource* entry = reinterpret_cast<const Win32Resource*>(resource);
    for (int i = 0; i < win32ResourceCount; ++i)
        if (entry == &win32Resources[i]) return entry;
    return nullptr;
}

}  // namespace

HINSTANCE Win32ModuleInstance() {
    // The image base of a Windows program; any fixed non-null value serves.
    return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x400000));
}

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (HostVetCall("FindResourceA", reinterpret_cast<uintptr_t>(module), reinterpret_cast<uintptr_t>(name),
                    reinterpret_cast<uintptr_t>(type)) != 0)
        return nullptr;
    if (!IsOwnModule(module) || name == nullptr) return nullptr;
    for (int i = 0; i < win32ResourceCount; ++i) {
        const Win32Resource& entry = win32Resources[i];
        if (entry.type == type && SameName(name, entry.name))
            return reinterpret_cast<HRSRC>(const_cast<Win32Resource*>(&entry));
    }
    return nullptr;
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    const Win32Resource* entry = AsResource(resource);
    if (!IsOwnModule(module) || entry == nullptr) return nullptr;
    return const_cast<BYTE*>(entry->data);
}

LPVOID WINAPI LockResource(HGLOBAL loaded) { return loaded; }
