// The string operations of the library and the run record.
#include <cctype>

#include "Library.h"

namespace mervik {
namespace {

// The texts the library gives by number.
struct NumberedText {
    int id;
    const char* text;
};
const NumberedText kTexts[] = {
    {138, "Returns"},
    {1001, "MERVIK outline library"},
};

} // namespace

bool Library::SetStringSize(uint32_t* h, uint32_t bytes) {
    if (h == nullptr)
        return false;
    if (*h == 0) {
        *h = strings.Create(bytes);
        return *h != 0;
    }
    return strings.Resize(*h, bytes);
}

char* Library::LockString(uint32_t h, uint32_t* length) {
    HostString* string = strings.Find(h);
    if (length != nullptr)
        *length = string != nullptr ? static_cast<uint32_t>(string->Length()) : 0;
    return string != nullptr ? string->bytes.data() : nullptr;
}

// A label caption: each word starts with a capital, the rest in small letters.
uint32_t Library::ConvertText(uint32_t h) {
    if (strings.Find(h) == nullptr)
        return 0;
    std::string text = strings.TextOf(h);
    bool wordStart = true;
    for (char& c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            wordStart = false;
            continue;
        }
        c = static_cast<char>(wordStart ? std::toupper(byte) : std::tolower(byte));
        wordStart = c == ' ';
    }
    return strings.WriteKept(libraryScratch_, text);
}

uint32_t Library::StringById(int id) {
    for (const NumberedText& entry : kTexts)
        if (entry.id == id)
            return strings.WriteKept(keptById_[id], entry.text);
    return 0;
}

bool Library::SetExecuting(bool executing) {
    bool previous = run.executing;
    run.executing = executing;
    return previous;
}

bool Library::Execute(const char* command, int mode, uint32_t* result) {
    if (command == nullptr)
        return false;
    run.lastCommand = command;
    run.lastMode = mode;
    ++run.executions;
    if (result != nullptr)
        *result = run.result;
    return run.answer;
}

} // namespace mervik
