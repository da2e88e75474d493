#include "cli/csv.h"

#include "base/text_conversion.h"

namespace
{
bool IsUtf8(const std::string& text)
{
    std::wstring wide;
    return MultiByteToWide(text, 65001 /* CP_UTF8 */, wide);
}
} // namespace

bool ParseCsv(const std::string& input, std::vector<CsvRecord>& records, std::string& error)
{
    records.clear();
    std::string text = input.compare(0, 3, kUtf8Bom) == 0 ? input.substr(3) : input;
    if (!IsUtf8(text))
    {
        error = "the file is not UTF-8 text";
        return false;
    }

    size_t i = 0;
    int nLine = 1;
    const size_t n = text.size();
    auto atLineEnd = [&](size_t at) { return at < n && (text[at] == '\n' || text[at] == '\r'); };
    auto skipLineEnd = [&]
    {
        if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        ++i;
        ++nLine;
    };

    while (i < n)
    {
        CsvRecord record;
        record.nLine = nLine;
        for (;;)
        {
            std::string field;
            if (i < n && text[i] == '"')
            {
                const int nOpenedOn = nLine;
                ++i;
                for (;;)
                {
                    if (i >= n)
                    {
                        error =
                            "line " + std::to_string(nOpenedOn) + ": a quoted field is not closed";
                        return false;
                    }
                    if (text[i] == '"')
                    {
                        if (i + 1 < n && text[i + 1] == '"')
                        {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n')
                        ++nLine;
                    field += text[i++];
                }
                if (i < n && text[i] != ',' && !atLineEnd(i))
                {
                    error = "line " + std::to_string(nLine) + ": text after a closing quote";
                    return false;
                }
            }
            else
            {
                while (i < n && text[i] != ',' && !atLineEnd(i))
                    field += text[i++];
            }
            record.fields.push_back(field);
            if (i < n && text[i] == ',')
            {
                ++i;
                continue;
            }
            break;
        }
        if (i < n)
            skipLineEnd();
        if (!(record.fields.size() == 1 && record.fields[0].empty()))
            records.push_back(record);
    }
    return true;
}

std::string FormatCsvRecord(const std::vector<std::string>& fields)
{
    std::string line;
    for (size_t k = 0; k < fields.size(); ++k)
    {
        const std::string& field = fields[k];
        if (k > 0)
            line += ',';
        if (field.find_first_of(",\"\r\n") == std::string::npos)
        {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field)
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + "\r\n";
}
