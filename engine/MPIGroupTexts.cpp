#include "engine/MPIGroupTexts.h"
#include "engine/MPIGroupMsi.h"

CMPIGroupTexts::CMPIGroupTexts(CMPIGroupMsi& group)
    : m_Group(group), m_pShared(group.m_pSharedTexts != NULL ? group.m_pSharedTexts : this)
{
    if (m_pShared == this)
        m_Group.m_pSharedTexts = this;
}

CMPIGroupTexts::~CMPIGroupTexts()
{
    if (m_pShared == this)
        m_Group.m_pSharedTexts = NULL;
}

const CMPIPackageTexts& CMPIGroupTexts::Open(int source, UINT& result)
{
    Side& side = m_pShared->m_Sides[source != 0 ? 1 : 0];
    if (!side.opened)
    {
        side.result = side.texts.Open(m_Group, source);
        side.opened = true;
    }
    result = side.result;
    return side.texts;
}
