#include "StringStore.h"

#include <cstring>

namespace mervik {

StringStore::~StringStore() = default;

uint32_t StringStore::Add(std::size_t size, StringOwner owner) {
    auto string = std::make_unique<HostString>();
    string->bytes.assign(size + 1, '\0');
    string->owner = owner;
    uint32_t handle = strings_.Add(std::move(string));
    if (owner == StringOwner::Caller)
        ++liveCallerStrings_;
    return handle;
}

void StringStore::Release(uint32_t handle) {
    std::unique_ptr<HostString> string = strings_.Remove(handle);
    if (string && string->owner == StringOwner::Caller)
        --liveCallerStrings_;
}

uint32_t StringStore::Create(uint32_t size) {
    if (size > kMaxStringBytes)
        return 0;
    return Add(size, StringOwner::Caller);
}

bool StringStore::Resize(uint32_t handle, uint32_t size) {
    HostString* string = Find(handle);
    if (string == nullptr || size > kMaxStringBytes)
        return false;
    string->bytes.resize(size + 1, '\0');
    string->bytes[size] = '\0';
    return true;
}

uint32_t StringStore::CreateBytes(const std::string& bytes) {
    if (bytes.size() > kMaxStringBytes)
        return 0;
    uint32_t handle = Add(bytes.size(), StringOwner::Caller);
    std::memcpy(Find(handle)->bytes.data(), bytes.data(), bytes.size());
    return handle;
}

bool StringStore::Free(uint32_t handle) {
    HostString* string = Find(handle);
    if (string == nullptr || string->owner != StringOwner::Caller)
        return false;
    Release(handle);
    return true;
}

bool StringStore::WriteBytes(uint32_t* handle, const std::string& bytes) {
    if (handle == nullptr)
        return false;
    if (*handle == 0) {
        *handle = CreateBytes(bytes);
        return *handle != 0;
    }
    if (bytes.size() > kMaxStringBytes || !Resize(*handle, static_cast<uint32_t>(bytes.size())))
        return false;
    std::memcpy(Find(*handle)->bytes.data(), bytes.data(), bytes.size());
    return true;
}

uint32_t StringStore::WriteKept(uint32_t& slot, const std::string& text) {
    if (Find(slot) == nullptr)
        slot = Add(0, StringOwner::Library);
    uint32_t handle = slot;
    return WriteText(&handle, text) ? slot : 0;
}

bool StringStore::FreeKept(uint32_t handle) {
    HostString* string = Find(handle);
    if (string == nullptr || string->owner != StringOwner::Library)
        return false;
    Release(handle);
    return true;
}

std::string StringStore::TextOf(uint32_t handle) const {
    HostString* string = Find(handle);
    if (string == nullptr)
        return std::string();
    return std::string(string->bytes.data());
}

uint32_t StringStore::CreateArray(int initialCount) {
    if (initialCount < 0 || initialCount > kMaxArrayCount)
        return 0;
    auto array = std::make_unique<StringArray>();
    array->strings.assign(static_cast<std::size_t>(initialCount), 0);
    return arrays_.Add(std::move(array));
}

bool StringStore::ResizeArray(uint32_t handle, int first, int count) {
    StringArray* array = arrays_.Find(handle);
    if (array == nullptr || count < 0 || count > kMaxArrayCount || first < 0 ||
        first > kMaxArrayCount)
        return false;
    for (std::size_t index = static_cast<std::size_t>(count); index < array->strings.size();
         ++index)
        Release(array->strings[index]);
    array->strings.resize(static_cast<std::size_t>(count), 0);
    array->first = first;
    return true;
}

uint32_t* StringStore::ArraySlot(uint32_t handle, int index) {
    StringArray* array = arrays_.Find(handle);
    if (array == nullptr || index < array->first)
        return nullptr;
    std::size_t position = static_cast<std::size_t>(index - array->first);
    return position < array->strings.size() ? &array->strings[position] : nullptr;
}

bool StringStore::SetArrayString(uint32_t array, uint32_t handle, int index) {
    uint32_t* slot = ArraySlot(array, index);
    HostString* string = Find(handle);
    if (slot == nullptr || string == nullptr || string->owner != StringOwner::Caller)
        return false;
    if (*slot != 0)
        Release(*slot);
    string->owner = StringOwner::Array;
    --liveCallerStrings_;
    *slot = handle;
    return true;
}

bool StringStore::GetArrayString(uint32_t array, uint32_t* handle, int index) {
    uint32_t* slot = ArraySlot(array, index);
    if (slot == nullptr || handle == nullptr || *slot == 0)
        return false;
    if (*handle == 0) {
        *handle = *slot;
        return true;
    }
    return WriteText(handle, TextOf(*slot));
}

bool StringStore::DestroyArray(uint32_t handle) {
    std::unique_ptr<StringArray> array = arrays_.Remove(handle);
    if (!array)
        return false;
    for (uint32_t string : array->strings)
        Release(string);
    return true;
}

} // namespace mervik
