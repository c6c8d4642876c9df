#include <listedit/condlist/CFieldItemData.h>

#include "frame/LiveCount.h"

#include <atomic>

namespace {
std::atomic<long> g_liveRecords{0};
}

CFieldItemData::CFieldItemData(UINT nType, const CStringArray* pValues) : m_nType(nType) {
    if (pValues) m_arrValues.Copy(*pValues);
    ++g_liveRecords;
    AfxCountLive(AfxLive::FieldRecords, +1);
}

CFieldItemData::~CFieldItemData() {
    --g_liveRecords;
    AfxCountLive(AfxLive::FieldRecords, -1);
}

long CFieldItemData::GetInstanceCount() {
    return g_liveRecords;
}
