#include "DesignWindows.h"

#include <cstdlib>
#include <string>

#include "ItemKinds.h"
#include "Library.h"

namespace mervik {
namespace {

const char kGenericClass[] = "MervikDesignWindow";

void RegisterGenericClass() {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kGenericClass, &wc))
        return;
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kGenericClass;
    RegisterClassA(&wc);
}

// A geometry property in pixels; the outline stores inches, possibly followed by a '"'.
int Dimension(const Item& item, int propertyKind, HWND reference, int fallback) {
    const NumberedProperty* property = item.FindNumbered(propertyKind);
    if (property == nullptr)
        return fallback;
    double inches = std::strtod(property->text.c_str(), nullptr);
    bool vertical = propertyKind == kind::Height || propertyKind == kind::Top;
    return static_cast<int>(inches * DesignWindows::PixelsPerInch(reference, vertical) + 0.5);
}

struct WindowForm {
    std::string className;
    DWORD style;
};

WindowForm FormOf(const Item& item) {
    switch (item.kind) {
    case 6:
        return {"BUTTON", BS_PUSHBUTTON};
    case 7:
        return {"BUTTON", BS_AUTORADIOBUTTON};
    case 8:
        return {"BUTTON", BS_AUTOCHECKBOX};
    case 4:
        return {"EDIT", WS_BORDER | ES_AUTOHSCROLL};
    case 5:
        return {"EDIT", WS_BORDER | ES_MULTILINE};
    case 12:
        return {"STATIC", SS_LEFT};
    case 14:
        return {"LISTBOX", WS_BORDER};
    case 15:
        return {"COMBOBOX", CBS_DROPDOWN};
    default:
        break;
    }
    // A component's window is of the class its component registers, when it is registered.
    const NumberedProperty* className = item.FindNumbered(kind::ClassName);
    WNDCLASSA wc;
    if (className != nullptr &&
        GetClassInfoA(GetModuleHandleA(nullptr), className->text.c_str(), &wc))
        return {className->text, 0};
    return {kGenericClass, 0};
}

std::string TitleOf(const Item& item) {
    const NumberedProperty* title = item.FindNumbered(kind::Title);
    return title != nullptr ? title->text : NameOfText(item.text);
}

} // namespace

DesignWindows& DesignWindows::Instance() {
    static DesignWindows windows;
    return windows;
}

int DesignWindows::PixelsPerInch(HWND window, bool vertical) {
    HDC dc = GetDC(window);
    int perInch = dc != nullptr ? GetDeviceCaps(dc, vertical ? LOGPIXELSY : LOGPIXELSX) : 0;
    if (dc != nullptr)
        ReleaseDC(window, dc);
    return perInch > 0 ? perInch : 96;
}

HWND DesignWindows::Open(uint32_t outline, uint32_t item) {
    Item* top = TheLibrary().outlines.FindItem(outline, item);
    if (top == nullptr || !IsTopLevelWindowKind(top->kind))
        return nullptr;
    if (HWND existing = ItemWindow(outline, item))
        return existing;
    return Create(outline, item, nullptr);
}

HWND DesignWindows::Create(uint32_t outline, uint32_t handle, HWND parent) {
    RegisterGenericClass();
    Item* item = TheLibrary().outlines.FindItem(outline, handle);
    if (item == nullptr)
        return nullptr;
    bool topLevel = parent == nullptr;
    WindowForm form = topLevel || item->kind == kind::NestedContainer ? WindowForm{kGenericClass, 0}
                                                                      : FormOf(*item);
    DWORD style = form.style | (topLevel ? WS_OVERLAPPEDWINDOW : WS_CHILD | WS_VISIBLE);
    HWND reference = parent;
    int x = Dimension(*item, kind::Left, reference, topLevel ? CW_USEDEFAULT : 0);
    int y = Dimension(*item, kind::Top, reference, topLevel ? CW_USEDEFAULT : 0);
    int width = Dimension(*item, kind::Width, reference, topLevel ? 480 : 96);
    int height = Dimension(*item, kind::Height, reference, topLevel ? 320 : 24);
    if (!topLevel && item->kind == kind::NestedContainer &&
        item->FindNumbered(kind::Width) == nullptr) {
        RECT client;
        GetClientRect(parent, &client);
        width = client.right;
        height = client.bottom;
    }
    HWND window =
        CreateWindowExA(0, form.className.c_str(), TitleOf(*item).c_str(), style, x, y, width,
                        height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        return nullptr;
    byItem_[handle] = {outline, window};
    byWindow_[window] = handle;
    CreateChildren(outline, handle, window);
    return window;
}

// A container's child windows lie in its contents section; a nested container is a
// sub-item of its own and gets a window that holds its child windows in turn.
void DesignWindows::CreateChildren(uint32_t outline, uint32_t handle, HWND window) {
    Item* item = TheLibrary().outlines.FindItem(outline, handle);
    if (item == nullptr || !IsContainerWindowKind(item->kind))
        return;
    if (Item* contents = item->FindChildOfKind(kind::Contents))
        for (Item* child = contents->firstChild; child != nullptr; child = child->next)
            if (IsChildWindowKind(child->kind))
                Create(outline, child->handle, window);
    if (Item* nested = item->FindChildOfKind(kind::NestedContainer))
        Create(outline, nested->handle, window);
}

HWND DesignWindows::ItemWindow(uint32_t outline, uint32_t item) {
    auto found = byItem_.find(item);
    if (found == byItem_.end() || found->second.outline != outline)
        return nullptr;
    if (TheLibrary().outlines.FindItem(outline, item) == nullptr ||
        !IsWindow(found->second.window)) {
        Forget(item);
        return nullptr;
    }
    return found->second.window;
}

uint32_t DesignWindows::WindowItem(HWND window) {
    auto found = byWindow_.find(window);
    if (found == byWindow_.end())
        return 0;
    uint32_t item = found->second;
    return ItemWindow(byItem_[item].outline, item) == window ? item : 0;
}

uint32_t DesignWindows::WindowOutline(HWND window) {
    uint32_t item = WindowItem(window);
    return item != 0 ? byItem_[item].outline : 0;
}

void DesignWindows::Forget(uint32_t item) {
    auto found = byItem_.find(item);
    if (found == byItem_.end())
        return;
    byWindow_.erase(found->second.window);
    byItem_.erase(found);
}

HWND DesignWindows::Rebuild(uint32_t outline, uint32_t item) {
    HWND old = ItemWindow(outline, item);
    if (old == nullptr)
        return CreateInOpenContainer(outline, item);
    HWND parent = (GetWindowLongPtrA(old, GWL_STYLE) & WS_CHILD) ? GetParent(old) : nullptr;
    // The old window's children go with it; forget every window that is destroyed.
    DestroyWindow(old);
    for (auto it = byWindow_.begin(); it != byWindow_.end();) {
        if (!IsWindow(it->first)) {
            byItem_.erase(it->second);
            it = byWindow_.erase(it);
        } else {
            ++it;
        }
    }
    return Create(outline, item, parent);
}

HWND DesignWindows::CreateInOpenContainer(uint32_t outline, uint32_t handle) {
    // A child window added to the contents of a container that is open for
    // design gets its window there, as the ones opened with it did.
    Item* item = TheLibrary().outlines.FindItem(outline, handle);
    if (item == nullptr || !IsChildWindowKind(item->kind) || item->parent == nullptr ||
        item->parent->kind != kind::Contents || item->parent->parent == nullptr)
        return nullptr;
    HWND container = ItemWindow(outline, item->parent->parent->handle);
    return container != nullptr ? Create(outline, handle, container) : nullptr;
}

void DesignWindows::CloseOutline(uint32_t outline) {
    for (auto it = byItem_.begin(); it != byItem_.end();) {
        if (it->second.outline == outline) {
            HWND window = it->second.window;
            byWindow_.erase(window);
            it = byItem_.erase(it);
            if (IsWindow(window) && !(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
                DestroyWindow(window);
        } else {
            ++it;
        }
    }
}

} // namespace mervik
