#include "settings/sqlite_connection.h"

#include <windows.h>

#include <cstring>

namespace
{
std::string AnsiToUtf8(const std::string& ansi)
{
    if (ansi.empty())
        return ansi;
    const int size = static_cast<int>(ansi.size());
    int nWide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    if (nWide <= 0)
        return ansi;
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, &wide[0], nWide);
    int nUtf8 = WideCharToMultiByte(CP_UTF8, 0, wide.data(), nWide, nullptr, 0, nullptr, nullptr);
    if (nUtf8 <= 0)
        return ansi;
    std::string utf8(static_cast<size_t>(nUtf8), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), nWide, &utf8[0], nUtf8, nullptr, nullptr);
    return utf8;
}
} // namespace

CSqliteConnection::~CSqliteConnection()
{
    Close();
}

bool CSqliteConnection::Open(const std::string& ansiPath, int flags)
{
    Close();
    // SQLite hands back a connection even when opening fails; it must be closed all the same.
    int rc = sqlite3_open_v2(AnsiToUtf8(ansiPath).c_str(), &m_pDb, flags, nullptr);
    if (rc != SQLITE_OK)
    {
        Close();
        return false;
    }
    return true;
}

void CSqliteConnection::Close()
{
    if (m_pDb)
    {
        sqlite3_close(m_pDb);
        m_pDb = nullptr;
    }
}

bool CSqliteConnection::Exec(const char* sql)
{
    return m_pDb && sqlite3_exec(m_pDb, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool CSqliteConnection::Run(const char* sql, std::initializer_list<SqlValue> values)
{
    CSqliteStatement stmt(*this, sql);
    return stmt.IsPrepared() && stmt.Bind(values) && stmt.RunToEnd();
}

bool CSqliteConnection::Run(const char* sql, const std::vector<SqlValue>& values)
{
    CSqliteStatement stmt(*this, sql);
    return stmt.IsPrepared() && stmt.Bind(values.data(), values.size()) && stmt.RunToEnd();
}

int CSqliteConnection::Changes() const
{
    return m_pDb ? sqlite3_changes(m_pDb) : 0;
}

CSqliteStatement::CSqliteStatement(const CSqliteConnection& db, const char* sql)
{
    if (!db.Handle() || sqlite3_prepare_v2(db.Handle(), sql, static_cast<int>(std::strlen(sql)) + 1,
                                           &m_pStmt, nullptr) != SQLITE_OK)
    {
        sqlite3_finalize(m_pStmt);
        m_pStmt = nullptr;
    }
}

CSqliteStatement::~CSqliteStatement()
{
    sqlite3_finalize(m_pStmt);
}

bool CSqliteStatement::Bind(std::initializer_list<SqlValue> values)
{
    return Bind(values.begin(), values.size());
}

bool CSqliteStatement::Bind(const SqlValue* values, size_t count)
{
    if (static_cast<int>(count) != sqlite3_bind_parameter_count(m_pStmt))
        return false;
    for (size_t i = 0; i < count; ++i)
    {
        const SqlValue& value = values[i];
        const int index = static_cast<int>(i) + 1;
        // Texts go in as the bytes they are: the file keeps what the window held.
        int rc;
        if (value.bNull)
            rc = sqlite3_bind_null(m_pStmt, index);
        else if (value.bBlob)
            rc = value.nLength > 0
                     ? sqlite3_bind_blob(m_pStmt, index, value.pText, value.nLength, SQLITE_STATIC)
                     : sqlite3_bind_null(m_pStmt, index);
        else
            rc = value.pText
                     ? sqlite3_bind_text(m_pStmt, index, value.pText, value.nLength, SQLITE_STATIC)
                     : sqlite3_bind_int(m_pStmt, index, value.nValue);
        if (rc != SQLITE_OK)
            return false;
    }
    return true;
}

bool CSqliteStatement::NextRow()
{
    return m_pStmt && sqlite3_step(m_pStmt) == SQLITE_ROW;
}

bool CSqliteStatement::RunToEnd()
{
    if (!m_pStmt)
        return false;
    int rc;
    while ((rc = sqlite3_step(m_pStmt)) == SQLITE_ROW)
    {
    }
    return rc == SQLITE_DONE;
}

int CSqliteStatement::ColumnInt(int column) const
{
    return sqlite3_column_int(m_pStmt, column);
}

std::string CSqliteStatement::ColumnText(int column) const
{
    const unsigned char* text = sqlite3_column_text(m_pStmt, column);
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

std::string CSqliteStatement::ColumnBytes(int column) const
{
    if (column >= sqlite3_column_count(m_pStmt))
        return {};
    const void* bytes = sqlite3_column_blob(m_pStmt, column);
    const int size = sqlite3_column_bytes(m_pStmt, column);
    return bytes && size > 0
               ? std::string(static_cast<const char*>(bytes), static_cast<size_t>(size))
               : std::string();
}
