// CPropertyListCtrlItemData: the record a property list keeps behind each row, as the row's item
// data: the row's type code (DWT_*, which picks the data window's editor) and its strings (the
// choices of a drop-down row; the first one is the value first shown). The list creates it when it
// inserts the row and deletes it with the row; an owner never sets or deletes a row's item data.
#pragma once
#include <listedit/frame/Arrays.h>

class LISTEDIT_API CPropertyListCtrlItemData {
public:
    CPropertyListCtrlItemData(UINT nType, const CStringArray& arrValue);
    virtual ~CPropertyListCtrlItemData();
    CPropertyListCtrlItemData(const CPropertyListCtrlItemData&) = delete;
    CPropertyListCtrlItemData& operator=(const CPropertyListCtrlItemData&) = delete;

    UINT m_nType;
    CStringArray m_arrValue;

    // How many records exist in this process: a leak check for owners and tests.
    static long GetInstanceCount();
};
