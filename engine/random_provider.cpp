#include "engine/random_provider.h"

#include <windows.h>

#include <bcrypt.h>

#include <mutex>
#include <stdexcept>

#include <qpdf/QUtil.hh>
#include <qpdf/RandomDataProvider.hh>

namespace
{
class SystemRandomProvider final : public RandomDataProvider
{
  public:
    SystemRandomProvider()
    {
        // An algorithm handle works from Vista on; the handle-less form needs Windows 7.
        if (BCryptOpenAlgorithmProvider(&m_hAlgorithm, BCRYPT_RNG_ALGORITHM, nullptr, 0) != 0)
            m_hAlgorithm = nullptr;
    }
    ~SystemRandomProvider() override;

    void provideRandomData(unsigned char* data, size_t len) override
    {
        while (len > 0)
        {
            ULONG chunk = len > 0x40000000u ? 0x40000000u : static_cast<ULONG>(len);
            NTSTATUS status = m_hAlgorithm ? BCryptGenRandom(m_hAlgorithm, data, chunk, 0)
                                           : BCryptGenRandom(nullptr, data, chunk,
                                                             BCRYPT_USE_SYSTEM_PREFERRED_RNG);
            if (status != 0)
                throw std::runtime_error("unable to obtain random data from the system");
            data += chunk;
            len -= chunk;
        }
    }

  private:
    BCRYPT_ALG_HANDLE m_hAlgorithm = nullptr;
};

SystemRandomProvider::~SystemRandomProvider()
{
    if (m_hAlgorithm)
        BCryptCloseAlgorithmProvider(m_hAlgorithm, 0);
}
} // namespace

void InstallSystemRandomProvider()
{
    static std::once_flag once;
    std::call_once(once,
                   []
                   {
                       // Lives for the whole process: qpdf keeps a plain pointer to it.
                       static SystemRandomProvider provider;
                       QUtil::setRandomDataProvider(&provider);
                   });
}
