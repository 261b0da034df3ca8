// A message box: the host shows it and returns once the user has dismissed it.
#include "host/host.h"
#include "shell/win32/win32_api.h"

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (HostVetCall("MessageBoxA", reinterpret_cast<uintptr_t>(owner), reinterpret_cast<uintptr_t>(text),
                    reinterpret_cast<uintptr_t>(caption), type) != 0)
        return 0;
    HostMessageBox(text != nullptr ? text : "", caption != nullptr ? caption : "Error");
    return IDOK;
}
