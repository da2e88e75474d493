#include "framework/gdi.h"

CMenu* CMenu::GetSubMenu(int nPos)
{
    HMENU hSub = ::GetSubMenu(GetSafeHandle(), nPos);
    if (!hSub)
        return nullptr;
    std::unique_ptr<CMenu>& sub = m_subMenus[hSub];
    if (!sub)
    {
        sub = std::make_unique<CMenu>();
        sub->Attach(hSub);
    }
    return sub.get();
}

void CMenu::ForgetSubMenus()
{
    for (auto& sub : m_subMenus)
        sub.second->Detach();
    m_subMenus.clear();
}
