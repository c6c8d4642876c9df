#include "condlist/CFieldItemData.h"

#include <atomic>

namespace {
std::atomic<int> g_liveRecords{0};
}

CFieldItemData::CFieldItemData(UINT nType, const CStringArray* pValues) : m_nType(nType) {
    if (pValues) m_arrValues.Copy(*pValues);
    ++g_liveRecords;
}

CFieldItemData::~CFieldItemData() {
    --g_liveRecords;
}

int CFieldItemData::GetLiveCount() {
    return g_liveRecords;
}
