// Host strings and string arrays.  Every string has one owner: the caller, the
// library (scratch and kept strings) or an array.  Only caller-owned strings
// may be freed by the caller, and only they are counted as live, so that a
// test can tell whether an operation leaked one.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "Registry.h"

namespace mervik {

enum class StringOwner { Caller, Library, Array };

struct HostString {
    // The string's bytes; one NUL beyond them keeps every text terminated.
    std::vector<char> bytes;
    StringOwner owner = StringOwner::Caller;
    std::size_t Length() const { return bytes.size() - 1; }
};

struct StringArray {
    int first = 0;
    std::vector<uint32_t> strings; // 0: no string at that index
};

class StringStore {
public:
    // Larger strings and arrays are refused as absurd.
    static constexpr uint32_t kMaxStringBytes = 64u << 20;
    static constexpr int kMaxArrayCount = 1 << 20;

    ~StringStore();

    // A new caller-owned string of that many bytes, zero-filled; 0 for an absurd size.
    uint32_t Create(uint32_t size);
    bool Resize(uint32_t handle, uint32_t size);
    // A new caller-owned string holding exactly these bytes.
    uint32_t CreateBytes(const std::string& bytes);
    HostString* Find(uint32_t handle) const { return strings_.Find(handle); }
    // Only caller-owned strings can be freed.
    bool Free(uint32_t handle);

    // Writes the bytes into the existing string *handle, or into a new caller-owned one
    // when *handle is 0.
    bool WriteBytes(uint32_t* handle, const std::string& bytes);
    // WriteBytes of the text and its NUL.
    bool WriteText(uint32_t* handle, const std::string& text) {
        return WriteBytes(handle, std::string(text).append(1, '\0'));
    }
    // Writes the text into the library-owned string kept in the slot, making it on first use.
    uint32_t WriteKept(uint32_t& slot, const std::string& text);
    // Releases a string the library keeps; false for any other.
    bool FreeKept(uint32_t handle);
    // The text up to the first NUL within the string's length.
    std::string TextOf(uint32_t handle) const;

    uint32_t CreateArray(int initialCount);
    bool ResizeArray(uint32_t array, int first, int count);
    // The array takes the caller-owned string over; on failure the caller keeps it.
    bool SetArrayString(uint32_t array, uint32_t string, int index);
    // The array's string itself when *handle is 0 (the array keeps it), else a copy into *handle.
    bool GetArrayString(uint32_t array, uint32_t* handle, int index);
    bool DestroyArray(uint32_t array);

    std::size_t LiveCallerStrings() const { return liveCallerStrings_; }

private:
    uint32_t Add(std::size_t size, StringOwner owner);
    void Release(uint32_t handle);
    uint32_t* ArraySlot(uint32_t array, int index);

    Registry<HostString> strings_;
    Registry<StringArray> arrays_;
    std::size_t liveCallerStrings_ = 0;
};

} // namespace mervik
