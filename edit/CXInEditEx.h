// CXInEditEx: the editor the extended list opens over one cell. It reports the end of editing to
// the list's parent as WM_NOTIFY / LVN_ENDLABELEDITW with the row, the column and the new text (no
// text when cancelled); storing the text is the receiver's business. Internal to the library.
#pragma once
#include <listedit/edit/CInEditEx.h>

class CXInEditEx : public CInEditEx {
    DECLARE_DYNAMIC(CXInEditEx)
public:
    CXInEditEx(int nItem, int nSubItem, const wchar_t* lpszInitText);
    ~CXInEditEx() override;

    // The cell being edited.
    int GetItem() const { return m_nItem; }
    int GetSubItem() const { return m_nSubItem; }

protected:
    void ProcessEndEdit() override;

    int m_nItem;
    int m_nSubItem;

    DECLARE_MESSAGE_MAP()
};
