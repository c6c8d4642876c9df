// The extended list's page: a report list whose cells the user edits in place by double-clicking;
// the panel stores each committed edit when the list's editor reports it. The City column is sized
// to the wider of its content and its heading.
#include "DemoPanel.h"

#include <listedit/frame/MessageMap.h>

#include <string>

namespace {

class CXListPanel : public CDemoPanel {
protected:
    static constexpr UINT kListId = 3000;
    static constexpr UINT WM_OPEN_SAMPLE_EDITOR = WM_APP + 1;
    CXListCtrl* m_pList = nullptr;
    CWnd* m_pLastEdit = nullptr;
    bool m_bPainted = false;

    LPCWSTR Title() const override {
        return L"CXListCtrl: double-click any cell to edit it in place; Enter or a click elsewhere keeps the "
               L"text, Escape cancels";
    }

    int Fill(int y) override {
        m_pList = Add<CXListCtrl>();
        m_pList->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                        Box(8, y, kRight, 260), this, kListId);
        m_pList->SetFont(Font());
        m_pList->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        struct Column {
            LPCWSTR heading;
            int width;
        } const columns[] = {
            {L"Name", 128}, {L"City", 40}, {L"Country", 98}, {L"Phone", 115}, {L"Notes", 170}};
        for (int c = 0; c < 5; ++c)
            m_pList->InsertColumn(c, columns[c].heading, LVCFMT_LEFT, Px(columns[c].width));
        const LPCWSTR rows[][5] = {
            {L"Ada Lovelace", L"London", L"United Kingdom", L"+44 20 7946 0018", L"first programmer"},
            {L"Grace Hopper", L"Arlington", L"United States", L"+1 703 555 0142", L"compilers"},
            {L"Alan Turing", L"Wilmslow", L"United Kingdom", L"+44 1625 555 201", L""},
            {L"Edsger Dijkstra", L"Nuenen", L"Netherlands", L"+31 40 555 0100", L"shortest paths"},
            {L"Kurt Gödel", L"Princeton", L"United States", L"+1 609 555 0199", L"incompleteness"},
            {L"Emmy Noether", L"Bryn Mawr", L"United States", L"+1 610 555 0123",
             L"symmetry and conservation"},
            {L"Sofia Kovalevskaya", L"Stockholm", L"Sweden", L"+46 8 555 010 10", L""},
            {L"Srinivasa Ramanujan", L"Kumbakonam", L"India", L"+91 435 555 0111", L"partitions"},
        };
        for (int r = 0; r < static_cast<int>(std::size(rows)); ++r) {
            m_pList->InsertItem(r, rows[r][0]);
            for (int c = 1; c < 5; ++c) m_pList->SetItemText(r, c, rows[r][c]);
        }
        m_pList->AutoSizeColumn(1, TRUE); // "City" was too narrow for its names
        m_pLastEdit = AddLabel(L"No edit yet.", Box(8, y + Px(268), kRight, 20));
        return y + Px(290);
    }

    void OnDblClk(NMHDR* pNMHDR, LRESULT* pResult) {
        auto* pActivate = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR);
        LVHITTESTINFO hit{};
        hit.pt = pActivate->ptAction;
        if (m_pList->SubItemHitTest(&hit) >= 0) {
            m_pList->EnsureSubItemVisible(hit.iSubItem);
            m_pList->EditSubLabel(hit.iItem, hit.iSubItem);
        }
        *pResult = 0;
    }

    void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
        const LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
        std::wstring cell =
            L"row " + std::to_wstring(item.iItem + 1) + L", column " + std::to_wstring(item.iSubItem + 1);
        if (item.pszText) {
            m_pList->SetItemText(item.iItem, item.iSubItem, item.pszText);
            m_pLastEdit->SetWindowText(
                (L"Stored \"" + std::wstring(item.pszText) + L"\" in " + cell + L".").c_str());
        } else {
            m_pLastEdit->SetWindowText((L"Edit of " + cell + L" cancelled.").c_str());
        }
        *pResult = 0;
    }

    // The first time the page is seen, an editor opens over a Country cell to show what a
    // double-click does.
    void OnPaint() {
        Default();
        if (!m_bPainted) {
            m_bPainted = true;
            PostMessage(WM_OPEN_SAMPLE_EDITOR);
        }
    }

    LRESULT OnOpenSampleEditor(WPARAM, LPARAM) {
        m_pList->EditSubLabel(2, 2);
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CXListPanel, CDemoPanel)
ON_NOTIFY(NM_DBLCLK, CXListPanel::kListId, &CXListPanel::OnDblClk)
ON_NOTIFY(LVN_ENDLABELEDITW, CXListPanel::kListId, &CXListPanel::OnEndLabelEdit)
ON_WM_PAINT()
ON_MESSAGE(CXListPanel::WM_OPEN_SAMPLE_EDITOR, &CXListPanel::OnOpenSampleEditor)
END_MESSAGE_MAP()

std::unique_ptr<CDemoPanel> MakeXListPanel() {
    return std::make_unique<CXListPanel>();
}

const DemoPageRegistrar kPage{{25, L"Extended list", L"xlist", {&MakeXListPanel}}};

} // namespace
