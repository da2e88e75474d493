#include "dialog_template.h"

#include <cstring>

namespace
{
class TemplateCursor
{
  public:
    TemplateCursor(const BYTE* begin, size_t size) : m_begin(begin), m_p(begin), m_end(begin + size)
    {
    }

    bool ok() const { return m_ok; }

    template <typename T> T Read()
    {
        T value{};
        if (m_p + sizeof(T) > m_end)
        {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_p, sizeof(T));
        m_p += sizeof(T);
        return value;
    }

    std::string ReadString()
    {
        std::wstring wide;
        for (WCHAR c = Read<WCHAR>(); m_ok && c != 0; c = Read<WCHAR>())
            wide += c;
        return Narrow(wide);
    }

    // A name or an ordinal; ordinals come back as "#number".
    std::string ReadNameOrOrdinal()
    {
        const WORD first = Read<WORD>();
        if (first == 0)
            return {};
        if (first == 0xFFFF)
            return "#" + std::to_string(Read<WORD>());
        m_p -= sizeof(WORD);
        return ReadString();
    }

    void Skip(size_t count) { m_p = m_p + count <= m_end ? m_p + count : (m_ok = false, m_end); }
    void AlignToDword()
    {
        while ((m_p - m_begin) % 4 != 0 && m_p < m_end)
            ++m_p;
    }

  private:
    static std::string Narrow(const std::wstring& wide)
    {
        if (wide.empty())
            return {};
        const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
        std::string text(size, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            size, nullptr, nullptr);
        return text;
    }

    const BYTE* m_begin;
    const BYTE* m_p;
    const BYTE* m_end;
    bool m_ok = true;
};

std::string ClassFromOrdinal(const std::string& name)
{
    static const char* const names[] = {"Button",  "Edit",      "Static",
                                        "ListBox", "ScrollBar", "ComboBox"};
    if (name.size() > 1 && name[0] == '#')
    {
        const int ordinal = std::stoi(name.substr(1));
        if (ordinal >= 0x80 && ordinal <= 0x85)
            return names[ordinal - 0x80];
    }
    return name;
}
} // namespace

bool LoadDialogTemplate(HINSTANCE hInstance, UINT nID, DialogTemplate& result)
{
    HRSRC hResource = FindResourceA(hInstance, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(5));
    if (!hResource)
        return false;
    HGLOBAL hData = LoadResource(hInstance, hResource);
    const BYTE* data = hData ? static_cast<const BYTE*>(LockResource(hData)) : nullptr;
    if (!data)
        return false;
    TemplateCursor in(data, SizeofResource(hInstance, hResource));

    if (in.Read<WORD>() != 1 || in.Read<WORD>() != 0xFFFF)
        return false;
    DialogTemplate dlg;
    in.Read<DWORD>(); // help id
    dlg.exStyle = in.Read<DWORD>();
    dlg.style = in.Read<DWORD>();
    const WORD count = in.Read<WORD>();
    dlg.x = in.Read<short>();
    dlg.y = in.Read<short>();
    dlg.cx = in.Read<short>();
    dlg.cy = in.Read<short>();
    in.ReadNameOrOrdinal(); // menu
    in.ReadNameOrOrdinal(); // window class
    dlg.caption = in.ReadString();
    if (dlg.style & DS_SETFONT)
    {
        dlg.pointSize = in.Read<WORD>();
        dlg.weight = in.Read<WORD>();
        dlg.italic = in.Read<BYTE>();
        dlg.charset = in.Read<BYTE>();
        dlg.typeface = in.ReadString();
    }
    for (WORD i = 0; i < count && in.ok(); ++i)
    {
        in.AlignToDword();
        TemplateItem item;
        in.Read<DWORD>(); // help id
        item.exStyle = in.Read<DWORD>();
        item.style = in.Read<DWORD>();
        item.x = in.Read<short>();
        item.y = in.Read<short>();
        item.cx = in.Read<short>();
        item.cy = in.Read<short>();
        item.id = static_cast<int>(in.Read<DWORD>());
        item.className = ClassFromOrdinal(in.ReadNameOrOrdinal());
        item.text = in.ReadNameOrOrdinal();
        in.Skip(in.Read<WORD>()); // creation data
        dlg.items.push_back(item);
    }
    if (!in.ok())
        return false;
    result = dlg;
    return true;
}
