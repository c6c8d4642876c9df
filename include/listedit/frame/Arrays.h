// The framework's arrays: CStringArray, CUIntArray, CDWordArray, CObArray and CPtrArray.
//
// Indexed access outside [0, GetSize()) raises the invalid-argument exception
// (AfxThrowInvalidArgException) instead of reading or writing outside the array.
#pragma once
#include "CException.h"
#include "CString.h"
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    void SetSize(INT_PTR nNewSize) {
        if (nNewSize < 0) AfxThrowInvalidArgException();
        m_data.resize(static_cast<size_t>(nNewSize));
    }
    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    INT_PTR Add(ARG_TYPE newElement) {
        m_data.push_back(newElement);
        return GetUpperBound();
    }
    INT_PTR Append(const CArray& src) {
        INT_PTR nOldSize = GetSize();
        m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        return nOldSize;
    }
    void Copy(const CArray& src) { m_data = src.m_data; }
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
        if (nIndex < 0) AfxThrowInvalidArgException();
        if (nIndex >= GetSize()) SetSize(nIndex + 1);
        m_data[static_cast<size_t>(nIndex)] = newElement;
    }
    // An index at or past the end appends (growing the array), as the framework does.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0) AfxThrowInvalidArgException();
        if (nIndex > GetSize()) SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), TYPE(newElement));
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }
    void RemoveAll() { m_data.clear(); }

private:
    size_t Checked(INT_PTR nIndex) const {
        if (nIndex < 0 || nIndex >= GetSize()) AfxThrowInvalidArgException();
        return static_cast<size_t>(nIndex);
    }
    std::vector<TYPE> m_data;
};

class CStringArray : public CArray<CString, LPCWSTR> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
// Holds pointers it does not own; whoever fills it deletes the objects.
class CObArray : public CArray<CObject*, CObject*> {};
// Holds untyped pointers it does not own.
class CPtrArray : public CArray<void*, void*> {};
