// CString: the framework's wide (UTF-16) string, a value type with the framework's members.
#pragma once
#include "Afx.h"
#include <string>
#include <string_view>

class LISTEDIT_API CString {
public:
    CString() = default;
    CString(LPCWSTR psz) : m_str(psz ? psz : L"") {}
    CString(LPCWSTR pch, int nLength)
        : m_str(pch, pch ? static_cast<size_t>(nLength > 0 ? nLength : 0) : 0) {}
    CString(wchar_t ch, int nRepeat = 1) : m_str(static_cast<size_t>(nRepeat > 0 ? nRepeat : 0), ch) {}
    CString(std::wstring s) : m_str(std::move(s)) {}
    CString(std::wstring_view s) : m_str(s) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int nIndex) const; // invalid-argument exception outside [0, length)
    void SetAt(int nIndex, wchar_t ch);
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCWSTR() const { return m_str.c_str(); }
    LPCWSTR GetString() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }
    std::wstring_view view() const { return m_str; }

    CString& operator=(LPCWSTR psz) {
        m_str = psz ? psz : L"";
        return *this;
    }
    CString& operator=(wchar_t ch) {
        m_str.assign(1, ch);
        return *this;
    }
    CString& operator+=(const CString& s) {
        m_str += s.m_str;
        return *this;
    }
    CString& operator+=(LPCWSTR psz) {
        if (psz) m_str += psz;
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        m_str += ch;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, LPCWSTR b) { return a += b; }
    friend CString operator+(LPCWSTR a, const CString& b) { return CString(a) += b; }
    friend CString operator+(CString a, wchar_t b) { return a += b; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCWSTR b) { return a.m_str == (b ? b : L""); }
    friend auto operator<=>(const CString& a, const CString& b) { return a.m_str <=> b.m_str; }

    int Compare(LPCWSTR psz) const;       // ordinal
    int CompareNoCase(LPCWSTR psz) const; // by the system's case folding
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(LPCWSTR pszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(LPCWSTR pszCharSet) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    int Insert(int nIndex, wchar_t ch);
    int Insert(int nIndex, LPCWSTR psz);
    int Delete(int nIndex, int nCount = 1);
    int Replace(wchar_t chOld, wchar_t chNew);
    int Replace(LPCWSTR pszOld, LPCWSTR pszNew);
    int Remove(wchar_t ch);
    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

    // printf-style formatting with the system run-time's rules: in this wide build %s takes a
    // wide string.
    void Format(LPCWSTR pszFormat, ...);
    void FormatV(LPCWSTR pszFormat, va_list args);

    // Raw buffer access for Win32 calls that fill a string.
    LPWSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::wstring m_str;
};
