// The string, string-array and run operations of MERVIK11.DLL.
#include "ExportGuard.h"
#include "HostOutline.h"
#include "Library.h"

using mervik::Answer;
using mervik::Guarded;
using mervik::TheLibrary;

BOOL WINAPI HostSetStringSize(HOSTSTR* h, DWORD bytes) {
    return Guarded<BOOL>(FALSE, [&] {
        // DWORD is 32 bits in both widths, as the library's handles are.
        static_assert(sizeof(HOSTSTR) == sizeof(uint32_t), "handles are 32-bit");
        return Answer(TheLibrary().SetStringSize(mervik::HandleSlot<HOSTSTR>(h).get(), bytes));
    });
}

char* WINAPI HostLockString(HOSTSTR h, DWORD* length) {
    return Guarded<char*>(nullptr, [&] {
        uint32_t size = 0;
        char* text = TheLibrary().LockString(h, &size);
        if (length != nullptr)
            *length = size;
        return text;
    });
}

BOOL WINAPI HostFreeString(HOSTSTR h) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().strings.Free(h)); });
}

HOSTSTR WINAPI HostConvertText(HOSTSTR h) {
    return Guarded<HOSTSTR>(0, [&] { return TheLibrary().ConvertText(h); });
}

HOSTSTR WINAPI HostGetStringById(int id) {
    return Guarded<HOSTSTR>(0, [&] { return TheLibrary().StringById(id); });
}

HOSTSTRARRAY WINAPI HostCreateStringArray(int initialCount) {
    return Guarded<HOSTSTRARRAY>(0, [&] { return TheLibrary().strings.CreateArray(initialCount); });
}

BOOL WINAPI HostResizeStringArray(HOSTSTRARRAY a, int first, int count) {
    return Guarded<BOOL>(FALSE,
                         [&] { return Answer(TheLibrary().strings.ResizeArray(a, first, count)); });
}

BOOL WINAPI HostSetArrayString(HOSTSTRARRAY a, HOSTSTR h, int index) {
    return Guarded<BOOL>(FALSE,
                         [&] { return Answer(TheLibrary().strings.SetArrayString(a, h, index)); });
}

BOOL WINAPI HostGetArrayString(HOSTSTRARRAY a, HOSTSTR* h, int index) {
    return Guarded<BOOL>(FALSE, [&] {
        return Answer(
            TheLibrary().strings.GetArrayString(a, mervik::HandleSlot<HOSTSTR>(h).get(), index));
    });
}

BOOL WINAPI HostDestroyStringArray(HOSTSTRARRAY a) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().strings.DestroyArray(a)); });
}

BOOL WINAPI HostSetExecuting(BOOL executing) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().SetExecuting(executing != 0)); });
}

BOOL WINAPI HostExecute(const char* command, int mode, DWORD* result) {
    return Guarded<BOOL>(FALSE, [&] {
        uint32_t value = 0;
        bool started = TheLibrary().Execute(command, mode, &value);
        if (result != nullptr && command != nullptr)
            *result = value;
        return Answer(started);
    });
}
