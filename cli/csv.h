#pragma once

#include <string>
#include <vector>

// Comma-separated values as spreadsheets write them: fields in double quotes may hold commas,
// doubled quotes and line breaks; records end with CR LF or LF.

struct CsvRecord
{
    int nLine = 0; // the line the record starts on, from 1
    std::vector<std::string> fields;
};

// Splits UTF-8 text (a leading byte-order mark is dropped) into records; empty lines give
// none. False, with `error` naming the line, when the text is not UTF-8 or a quoted field is
// left open or followed by other text.
bool ParseCsv(const std::string& text, std::vector<CsvRecord>& records, std::string& error);

// One record as a line of CSV, ending with CR LF; fields are quoted where they need it.
std::string FormatCsvRecord(const std::vector<std::string>& fields);

// The byte-order mark that tells spreadsheets the file is UTF-8.
constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";
