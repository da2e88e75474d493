#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include <sqlite3.h>

// A text value to bind to a statement parameter, an integer, bytes (SqlValue::Blob) or NULL.
struct SqlValue
{
    SqlValue(int value) : nValue(value) {}
    SqlValue(const char* text) : pText(text), nLength(-1) {}
    SqlValue(const std::string& text) : pText(text.data()), nLength(static_cast<int>(text.size()))
    {
    }
    // Bytes for a BLOB column; no bytes bind NULL. The bytes must outlive the statement's run.
    static SqlValue Blob(const std::string& bytes)
    {
        SqlValue value(bytes);
        value.bBlob = true;
        return value;
    }

    static SqlValue Null()
    {
        SqlValue value(0);
        value.bNull = true;
        return value;
    }

    int nValue = 0;
    const char* pText = nullptr; // null: an integer
    int nLength = 0;
    bool bBlob = false;
    bool bNull = false;
};

// One connection to a database file, closed when the object goes, whatever happened.
class CSqliteConnection
{
  public:
    CSqliteConnection() = default;
    ~CSqliteConnection();
    CSqliteConnection(const CSqliteConnection&) = delete;
    CSqliteConnection& operator=(const CSqliteConnection&) = delete;

    // `ansiPath` is in the ANSI code page; SQLite wants UTF-8 file names.
    bool Open(const std::string& ansiPath, int flags);
    void Close();

    // Runs a statement without values.
    bool Exec(const char* sql);

    // Runs one statement with its parameters bound to `values`, in order.
    bool Run(const char* sql, std::initializer_list<SqlValue> values);
    bool Run(const char* sql, const std::vector<SqlValue>& values);

    // The rows the last statement changed.
    int Changes() const;

    sqlite3* Handle() const { return m_pDb; }

  private:
    sqlite3* m_pDb = nullptr;
};

// A prepared statement, finalized when the object goes.
class CSqliteStatement
{
  public:
    CSqliteStatement(const CSqliteConnection& db, const char* sql);
    ~CSqliteStatement();
    CSqliteStatement(const CSqliteStatement&) = delete;
    CSqliteStatement& operator=(const CSqliteStatement&) = delete;

    bool IsPrepared() const { return m_pStmt != nullptr; }
    bool Bind(std::initializer_list<SqlValue> values);
    bool Bind(const SqlValue* values, size_t count);
    // Steps once; true while a row is available.
    bool NextRow();
    // Steps until the statement ends; true when it ended without an error.
    bool RunToEnd();

    int ColumnInt(int column) const;
    // The column's text up to its first NUL; a NULL reads as empty text.
    std::string ColumnText(int column) const;
    // The column's bytes; a NULL, or a column the row does not have, reads as no bytes.
    std::string ColumnBytes(int column) const;

  private:
    sqlite3_stmt* m_pStmt = nullptr;
};
