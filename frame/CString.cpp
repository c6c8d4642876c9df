// CString members that are more than one line.
#include <listedit/frame/CString.h>
#include <listedit/frame/CException.h>

#include <algorithm>
#include <cstdarg>
#include <cwctype>

wchar_t CString::GetAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetLength()) AfxThrowInvalidArgException();
    return m_str[static_cast<size_t>(nIndex)];
}

void CString::SetAt(int nIndex, wchar_t ch) {
    if (nIndex < 0 || nIndex >= GetLength()) AfxThrowInvalidArgException();
    m_str[static_cast<size_t>(nIndex)] = ch;
}

int CString::Compare(LPCWSTR psz) const {
    return m_str.compare(psz ? psz : L"");
}

int CString::CompareNoCase(LPCWSTR psz) const {
    return ::lstrcmpiW(m_str.c_str(), psz ? psz : L"");
}

int CString::Find(wchar_t ch, int nStart) const {
    if (nStart < 0 || nStart > GetLength()) return -1;
    auto pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCWSTR pszSub, int nStart) const {
    if (!pszSub || nStart < 0 || nStart > GetLength()) return -1;
    auto pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const {
    auto pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCWSTR pszCharSet) const {
    auto pos = m_str.find_first_of(pszCharSet ? pszCharSet : L"");
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int nCount) const {
    return CString(m_str.substr(0, static_cast<size_t>(std::clamp(nCount, 0, GetLength()))));
}

CString CString::Right(int nCount) const {
    int n = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(static_cast<size_t>(GetLength() - n)));
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const {
    int first = std::clamp(nFirst, 0, GetLength());
    int count = std::clamp(nCount, 0, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

int CString::Insert(int nIndex, wchar_t ch) {
    m_str.insert(static_cast<size_t>(std::clamp(nIndex, 0, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCWSTR psz) {
    if (psz) m_str.insert(static_cast<size_t>(std::clamp(nIndex, 0, GetLength())), psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
    int first = std::clamp(nIndex, 0, GetLength());
    int count = std::clamp(nCount, 0, GetLength() - first);
    m_str.erase(static_cast<size_t>(first), static_cast<size_t>(count));
    return GetLength();
}

int CString::Replace(wchar_t chOld, wchar_t chNew) {
    int n = 0;
    for (auto& c : m_str) {
        if (c == chOld) c = chNew, ++n;
    }
    return n;
}

int CString::Replace(LPCWSTR pszOld, LPCWSTR pszNew) {
    std::wstring_view from = pszOld ? pszOld : L"";
    std::wstring_view to = pszNew ? pszNew : L"";
    if (from.empty()) return 0;
    int n = 0;
    for (size_t pos = m_str.find(from); pos != std::wstring::npos; pos = m_str.find(from, pos + to.size())) {
        m_str.replace(pos, from.size(), to);
        ++n;
    }
    return n;
}

int CString::Remove(wchar_t ch) {
    auto n = std::erase(m_str, ch);
    return static_cast<int>(n);
}

CString& CString::MakeUpper() {
    if (!m_str.empty()) ::CharUpperBuffW(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeLower() {
    if (!m_str.empty()) ::CharLowerBuffW(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::TrimLeft() {
    auto it = std::find_if(m_str.begin(), m_str.end(), [](wchar_t c) { return !std::iswspace(c); });
    m_str.erase(m_str.begin(), it);
    return *this;
}

CString& CString::TrimRight() {
    while (!m_str.empty() && std::iswspace(m_str.back())) m_str.pop_back();
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

void CString::Format(LPCWSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCWSTR pszFormat, va_list args) {
    // The system run-time's formatter, where %s in a wide format takes a wide string.
    std::wstring buf(128, L'\0');
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = ::_vsnwprintf(buf.data(), buf.size(), pszFormat, copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buf.size()) {
            buf.resize(static_cast<size_t>(n));
            break;
        }
        if (buf.size() > (1u << 24)) { // a format the formatter refuses: leave an empty text
            buf.clear();
            break;
        }
        buf.resize(buf.size() * 2);
    }
    m_str = std::move(buf);
}

LPWSTR CString::GetBuffer(int nMinBufLength) {
    size_t want = static_cast<size_t>(std::max(nMinBufLength, 0));
    if (m_str.size() < want) m_str.resize(want);
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) {
        m_str.resize(std::wcslen(m_str.c_str()));
    } else {
        m_str.resize(static_cast<size_t>(std::min<size_t>(static_cast<size_t>(nNewLength), m_str.size())));
    }
}
