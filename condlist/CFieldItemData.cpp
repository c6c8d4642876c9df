#include <listedit/condlist/CFieldItemData.h>

#include <atomic>

namespace {
std::atomic<long> g_liveRecords{0};
}

CFieldItemData::CFieldItemData(UINT nType, const CStringArray* pValues) : m_nType(nType) {
    if (pValues) m_arrValues.Copy(*pValues);
    ++g_liveRecords;
}

CFieldItemData::~CFieldItemData() {
    --g_liveRecords;
}

long CFieldItemData::GetInstanceCount() {
    return g_liveRecords;
}
