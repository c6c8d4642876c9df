// CFieldItemData: the record a condition list keeps behind each of its fields, as the item data of
// the field's entry in the field box: the field's type code (DWT_*) and its own copy of the values
// offered for it. The list creates it in AddFieldString and deletes it when the fields are cleared
// or replaced and when its window is destroyed; an owner never creates or deletes one.
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

    // How many records exist in this process: a leak check for owners and tests.
    static long GetInstanceCount();
};
