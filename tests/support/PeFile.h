// Reads a PE file from disk, without loading it: its export and import tables.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct PeExport {
    DWORD ordinal;
    std::string name; // empty when exported by ordinal only
};

struct PeImport {
    std::string dll;
    std::vector<WORD> ordinals;       // imports by ordinal
    std::vector<std::string> names;   // imports by name
};

class PeFile {
public:
    // False when the file cannot be read or is not a 32-bit PE image.
    bool Load(const std::string& path);

    std::string ExportedModuleName() const { return m_exportName; }
    const std::vector<PeExport>& Exports() const { return m_exports; }
    // Each exported ordinal with its name (empty for one exported without a name).
    std::map<DWORD, std::string> ExportsByOrdinal() const;
    const std::vector<PeImport>& Imports() const { return m_imports; }
    WORD Machine() const { return m_machine; }

private:
    const BYTE* At(DWORD rva) const;
    void ReadExports(const IMAGE_DATA_DIRECTORY& dir);
    void ReadImports(const IMAGE_DATA_DIRECTORY& dir);

    std::vector<BYTE> m_bytes;
    std::vector<IMAGE_SECTION_HEADER> m_sections;
    std::string m_exportName;
    std::vector<PeExport> m_exports;
    std::vector<PeImport> m_imports;
    WORD m_machine = 0;
    bool m_wide = false; // a 64-bit image
};
