#include "tests/support/pe_imports.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace
{
class PeFile
{
  public:
    explicit PeFile(const std::string& bytes) : m_bytes(bytes) {}

    template <typename T> bool Read(size_t offset, T& value) const
    {
        if (offset > m_bytes.size() || m_bytes.size() - offset < sizeof value)
            return false;
        std::memcpy(&value, m_bytes.data() + offset, sizeof value);
        return true;
    }

    bool ReadString(size_t offset, std::string& text) const
    {
        if (offset >= m_bytes.size())
            return false;
        const size_t end = m_bytes.find('\0', offset);
        if (end == std::string::npos)
            return false;
        text = m_bytes.substr(offset, end - offset);
        return true;
    }

    // The file offset of a relative virtual address, through the section that holds it.
    bool Offset(DWORD rva, size_t& offset) const
    {
        for (const IMAGE_SECTION_HEADER& section : m_sections)
        {
            const DWORD size = std::max(section.Misc.VirtualSize, section.SizeOfRawData);
            if (rva >= section.VirtualAddress && rva - section.VirtualAddress < size)
            {
                offset = section.PointerToRawData + (rva - section.VirtualAddress);
                return true;
            }
        }
        return false;
    }

    std::vector<IMAGE_SECTION_HEADER> m_sections;

  private:
    const std::string& m_bytes;
};

// Walks a table of fixed-size descriptors whose name field is an RVA, up to the empty one.
template <typename Descriptor>
bool ReadNames(const PeFile& file, DWORD tableRva, DWORD Descriptor::*name, const char* what,
               PeImports& imports)
{
    if (tableRva == 0)
        return true;
    size_t offset = 0;
    if (!file.Offset(tableRva, offset))
    {
        imports.error = std::string(what) + " table outside every section";
        return false;
    }
    for (;; offset += sizeof(Descriptor))
    {
        Descriptor descriptor = {};
        if (!file.Read(offset, descriptor))
        {
            imports.error = std::string(what) + " table runs past the file";
            return false;
        }
        if (descriptor.*name == 0)
            return true;
        size_t nameOffset = 0;
        std::string dll;
        if (!file.Offset(descriptor.*name, nameOffset) || !file.ReadString(nameOffset, dll))
        {
            imports.error = std::string(what) + " name unreadable";
            return false;
        }
        imports.dlls.push_back(dll);
    }
}
} // namespace

PeImports ReadPeImports(const std::string& bytes)
{
    PeImports imports;
    PeFile file(bytes);
    IMAGE_DOS_HEADER dos = {};
    DWORD signature = 0;
    IMAGE_FILE_HEADER header = {};
    if (!file.Read(0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE ||
        !file.Read(dos.e_lfanew, signature) || signature != IMAGE_NT_SIGNATURE ||
        !file.Read(dos.e_lfanew + sizeof signature, header))
    {
        imports.error = "not a PE file";
        return imports;
    }
    const size_t optionalOffset = dos.e_lfanew + sizeof signature + sizeof header;
    WORD magic = 0;
    file.Read(optionalOffset, magic);
    IMAGE_DATA_DIRECTORY importDir = {};
    IMAGE_DATA_DIRECTORY delayDir = {};
    bool read = false;
    if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC)
    {
        IMAGE_OPTIONAL_HEADER64 optional = {};
        read = file.Read(optionalOffset, optional) &&
               optional.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT;
        importDir = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        delayDir = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
    }
    else if (magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC)
    {
        IMAGE_OPTIONAL_HEADER32 optional = {};
        read = file.Read(optionalOffset, optional) &&
               optional.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT;
        importDir = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        delayDir = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
    }
    if (!read)
    {
        imports.error = "no optional header with the import directories";
        return imports;
    }
    const size_t sectionsOffset = optionalOffset + header.SizeOfOptionalHeader;
    for (WORD i = 0; i < header.NumberOfSections; ++i)
    {
        IMAGE_SECTION_HEADER section = {};
        if (!file.Read(sectionsOffset + i * sizeof section, section))
        {
            imports.error = "section table runs past the file";
            return imports;
        }
        file.m_sections.push_back(section);
    }
    if (ReadNames(file, importDir.VirtualAddress, &IMAGE_IMPORT_DESCRIPTOR::Name, "import",
                  imports))
        ReadNames(file, delayDir.VirtualAddress, &IMAGE_DELAYLOAD_DESCRIPTOR::DllNameRVA,
                  "delay import", imports);
    return imports;
}
