#include "engine/random_provider.h"

#include <windows.h>

#include <bcrypt.h>

#include <mutex>
#include <stdexcept>

#include <qpdf/QUtil.hh>
#include <qpdf/RandomDataProvider.hh>

#include "base/system_library.h"

namespace
{
// bcrypt.dll is not one of the system's known DLLs: an import of it would be looked for beside
// the executable first, so it is loaded from the system folder when the provider is made.
class CSystemRandomProvider final : public RandomDataProvider
{
  public:
    CSystemRandomProvider() : m_hBcrypt(LoadSystemLibrary(L"bcrypt.dll"))
    {
        if (!m_hBcrypt)
            return;
        m_open = Function<OpenFn>("BCryptOpenAlgorithmProvider");
        m_close = Function<CloseFn>("BCryptCloseAlgorithmProvider");
        m_generate = Function<GenerateFn>("BCryptGenRandom");
        // An algorithm handle works from Vista on; the handle-less form needs Windows 7.
        if (m_open && m_open(&m_hAlgorithm, BCRYPT_RNG_ALGORITHM, nullptr, 0) != 0)
            m_hAlgorithm = nullptr;
    }
    ~CSystemRandomProvider() override;

    bool IsUsable() const { return m_generate != nullptr; }

    void provideRandomData(unsigned char* data, size_t len) override
    {
        if (!m_generate)
            throw std::runtime_error("unable to obtain random data from the system");
        while (len > 0)
        {
            ULONG chunk = len > 0x40000000u ? 0x40000000u : static_cast<ULONG>(len);
            NTSTATUS status =
                m_hAlgorithm ? m_generate(m_hAlgorithm, data, chunk, 0)
                             : m_generate(nullptr, data, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG);
            if (status != 0)
                throw std::runtime_error("unable to obtain random data from the system");
            data += chunk;
            len -= chunk;
        }
    }

  private:
    using OpenFn = NTSTATUS(WINAPI*)(BCRYPT_ALG_HANDLE*, LPCWSTR, LPCWSTR, ULONG);
    using CloseFn = NTSTATUS(WINAPI*)(BCRYPT_ALG_HANDLE, ULONG);
    using GenerateFn = NTSTATUS(WINAPI*)(BCRYPT_ALG_HANDLE, PUCHAR, ULONG, ULONG);

    template <typename Fn> Fn Function(const char* name) const
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(m_hBcrypt, name)));
    }

    HMODULE m_hBcrypt;
    OpenFn m_open = nullptr;
    CloseFn m_close = nullptr;
    GenerateFn m_generate = nullptr;
    BCRYPT_ALG_HANDLE m_hAlgorithm = nullptr;
};

CSystemRandomProvider::~CSystemRandomProvider()
{
    if (m_hAlgorithm && m_close)
        m_close(m_hAlgorithm, 0);
    if (m_hBcrypt)
        ::FreeLibrary(m_hBcrypt);
}
} // namespace

void InstallSystemRandomProvider()
{
    static std::once_flag once;
    std::call_once(once,
                   []
                   {
                       // Lives for the whole process: qpdf keeps a plain pointer to it.
                       // Without bcrypt qpdf keeps its own, slower source.
                       static CSystemRandomProvider provider;
                       if (provider.IsUsable())
                           QUtil::setRandomDataProvider(&provider);
                   });
}
