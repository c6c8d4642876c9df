// CFieldItemData: one field of a condition list, held as the item data of its field-box entry and
// owned by the control. Internal to the library.
#pragma once
#include <listedit/frame/Arrays.h>

class LISTEDIT_API CFieldItemData {
public:
    CFieldItemData(UINT nType, const CStringArray* pValues);
    ~CFieldItemData();
    CFieldItemData(const CFieldItemData&) = delete;
    CFieldItemData& operator=(const CFieldItemData&) = delete;

    UINT m_nType;
    CStringArray m_arrValues;

    // How many records exist right now, across all condition lists (ownership checks count them).
    static int GetLiveCount();
};
