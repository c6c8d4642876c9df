#include <listedit/proplist/CPropertyListCtrlItemData.h>

#include "frame/LiveCount.h"

#include <atomic>

namespace {
std::atomic<long> g_nInstances{0};
} // namespace

CPropertyListCtrlItemData::CPropertyListCtrlItemData(UINT nType, const CStringArray& arrValue) : m_nType(nType) {
    m_arrValue.Copy(arrValue);
    ++g_nInstances;
    AfxCountLive(AfxLive::RowRecords, +1);
}

CPropertyListCtrlItemData::~CPropertyListCtrlItemData() {
    --g_nInstances;
    AfxCountLive(AfxLive::RowRecords, -1);
}

long CPropertyListCtrlItemData::GetInstanceCount() {
    return g_nInstances;
}
