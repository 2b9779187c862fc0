#include "PeFile.h"

#include <cstring>
#include <fstream>
#include <iterator>

bool PeFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    m_bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (m_bytes.size() < sizeof(IMAGE_DOS_HEADER))
        return false;
    IMAGE_DOS_HEADER dos;
    std::memcpy(&dos, m_bytes.data(), sizeof dos);
    if (dos.e_magic != IMAGE_DOS_SIGNATURE ||
        dos.e_lfanew + sizeof(IMAGE_NT_HEADERS32) > m_bytes.size())
        return false;
    IMAGE_NT_HEADERS32 nt;
    std::memcpy(&nt, m_bytes.data() + dos.e_lfanew, sizeof nt);
    if (nt.Signature != IMAGE_NT_SIGNATURE)
        return false;
    // The data directories sit at the end of the optional header, whose size
    // differs between 32-bit and 64-bit images.
    const IMAGE_DATA_DIRECTORY* directories;
    if (nt.OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
        directories = nt.OptionalHeader.DataDirectory;
        m_wide = false;
    } else if (nt.OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC &&
               dos.e_lfanew + sizeof(IMAGE_NT_HEADERS64) <= m_bytes.size()) {
        directories = reinterpret_cast<const IMAGE_NT_HEADERS64*>(m_bytes.data() + dos.e_lfanew)
                          ->OptionalHeader.DataDirectory;
        m_wide = true;
    } else {
        return false;
    }
    IMAGE_DATA_DIRECTORY exportDir = directories[IMAGE_DIRECTORY_ENTRY_EXPORT];
    IMAGE_DATA_DIRECTORY importDir = directories[IMAGE_DIRECTORY_ENTRY_IMPORT];
    m_machine = nt.FileHeader.Machine;
    size_t sections = dos.e_lfanew + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                      nt.FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
        IMAGE_SECTION_HEADER section;
        size_t offset = sections + i * sizeof section;
        if (offset + sizeof section > m_bytes.size())
            return false;
        std::memcpy(&section, m_bytes.data() + offset, sizeof section);
        m_sections.push_back(section);
    }
    ReadExports(exportDir);
    ReadImports(importDir);
    return true;
}

const BYTE* PeFile::At(DWORD rva) const {
    for (const IMAGE_SECTION_HEADER& s : m_sections) {
        DWORD size = s.SizeOfRawData;
        if (rva >= s.VirtualAddress && rva < s.VirtualAddress + size) {
            size_t offset = s.PointerToRawData + (rva - s.VirtualAddress);
            return offset < m_bytes.size() ? m_bytes.data() + offset : nullptr;
        }
    }
    return nullptr;
}

void PeFile::ReadExports(const IMAGE_DATA_DIRECTORY& dir) {
    if (dir.VirtualAddress == 0)
        return;
    auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(At(dir.VirtualAddress));
    if (exports == nullptr)
        return;
    m_exportName = reinterpret_cast<const char*>(At(exports->Name));
    auto functions = reinterpret_cast<const DWORD*>(At(exports->AddressOfFunctions));
    auto names = reinterpret_cast<const DWORD*>(At(exports->AddressOfNames));
    auto nameOrdinals = reinterpret_cast<const WORD*>(At(exports->AddressOfNameOrdinals));
    for (DWORD index = 0; index < exports->NumberOfFunctions; ++index) {
        if (functions[index] == 0)
            continue;
        PeExport entry{exports->Base + index, ""};
        for (DWORD n = 0; n < exports->NumberOfNames; ++n)
            if (nameOrdinals[n] == index)
                entry.name = reinterpret_cast<const char*>(At(names[n]));
        m_exports.push_back(entry);
    }
}

void PeFile::ReadImports(const IMAGE_DATA_DIRECTORY& dir) {
    if (dir.VirtualAddress == 0)
        return;
    for (auto desc = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(At(dir.VirtualAddress));
         desc != nullptr && desc->Name != 0; ++desc) {
        PeImport import;
        import.dll = reinterpret_cast<const char*>(At(desc->Name));
        DWORD thunks = desc->OriginalFirstThunk ? desc->OriginalFirstThunk : desc->FirstThunk;
        // Thunks are 32 or 64 bits wide; the ordinal flag is the top bit.
        const size_t width = m_wide ? 8 : 4;
        for (const BYTE* thunk = At(thunks); thunk != nullptr; thunk += width) {
            ULONGLONG value = 0;
            std::memcpy(&value, thunk, width);
            if (value == 0)
                break;
            if (value >> (width * 8 - 1))
                import.ordinals.push_back(static_cast<WORD>(value & 0xFFFF));
            else
                import.names.push_back(reinterpret_cast<const char*>(At(DWORD(value) + 2)));
        }
        m_imports.push_back(import);
    }
}

std::map<DWORD, std::string> PeFile::ExportsByOrdinal() const {
    std::map<DWORD, std::string> byOrdinal;
    for (const PeExport& e : m_exports)
        byOrdinal[e.ordinal] = e.name;
    return byOrdinal;
}
