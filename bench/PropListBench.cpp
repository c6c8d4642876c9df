// The property list against the bare list view it is made of: filling 10,000 rows and sizing the
// columns, and moving the edit from row to row with Tab.
#include "BenchCase.h"

#include <memory>
#include <vector>

namespace {

constexpr RECT kListRect{10, 10, 390, 590};
constexpr RECT kBareRect{400, 10, 780, 590};

// The rows of one run: names, types and values as the three-array InsertItem takes them.
struct Rows {
    CStringArray names;
    CUIntArray types;
    CPtrArray values;
    std::vector<std::unique_ptr<CStringArray>> choices;
    explicit Rows(int n) {
        for (int i = 0; i < n; ++i) {
            CString name;
            name.Format(L"Property number %d", i);
            names.Add(name);
            types.Add(static_cast<UINT>(DWT_TEXT + i % 8));
            auto& c = choices.emplace_back(std::make_unique<CStringArray>());
            c->Add(name + L" value");
            values.Add(c.get());
        }
    }
};

// A bare report list with the same two columns.
struct BareList : CWnd {
    explicit BareList(CWnd& host) {
        CreateEx(0, WC_LISTVIEWW, nullptr,
                 WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER,
                 kBareRect, &host, 2);
        for (int i = 0; i < 2; ++i) {
            LVCOLUMNW col{};
            col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
            col.fmt = LVCFMT_LEFT;
            col.cx = 1;
            col.iSubItem = i;
            SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
        }
    }
    void Fill(const Rows& rows) {
        SendMessage(LVM_DELETEALLITEMS);
        SetRedraw(FALSE);
        for (INT_PTR i = 0; i < rows.names.GetSize(); ++i) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.pszText = const_cast<LPWSTR>(rows.names[i].GetString());
            const int n = static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            const auto* c = static_cast<const CStringArray*>(rows.values[i]);
            LVITEMW sub{};
            sub.iSubItem = 1;
            sub.pszText = const_cast<LPWSTR>((*c)[0].GetString());
            SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&sub));
        }
        CRect rc;
        GetClientRect(&rc);
        SendMessage(LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
        const int w0 = static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, 0));
        SendMessage(LVM_SETCOLUMNWIDTH, 1, rc.Width() - w0);
        SetRedraw(TRUE);
        Invalidate();
    }
};

struct FillPair {
    CPropertyListCtrl list;
    BareList bare;
    Rows rows;
    FillPair(CWnd& host, int n) : bare(host), rows(n) {
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, kListRect, &host, 1);
    }
    void FillList() {
        list.DeleteAllItems();
        list.InsertItem(rows.names, rows.types, rows.values);
    }
};

// Moving the edit by hand on a bare list: the edit's text into the row left, the next row
// selected, its text into the edit and the edit over its cell. (No Tab key there: a bare edit
// refuses it with a beep, which would be most of what is measured.)
struct TabPair {
    CPropertyListCtrl list;
    BareList bare;
    CEdit edit;
    int bareRow = 0;
    // Fewer rows than the list shows, the moves wrapping round: what is measured is the move, not
    // the list view scrolling (which costs the bare list 20 ms a row).
    static constexpr int kRows = 20;
    explicit TabPair(CWnd& host) : bare(host) {
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, kListRect, &host, 1);
        Rows rows(kRows);
        for (INT_PTR i = 0; i < kRows; ++i)
            list.InsertItem(rows.names[i], DWT_TEXT, rows.names[i] + L" value");
        list.ChangeColumnWidth();
        bare.Fill(rows);
        edit.Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 0, 10, 10), &bare, 3);
        edit.SetFont(bare.GetFont());
        edit.ShowWindow(SW_SHOW);
        CRect rc;
        list.GetSubItemRect(0, 1, LVIR_BOUNDS, rc);
        ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 4, rc.top + 2));
        ::SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(rc.left + 4, rc.top + 2));
    }
    void TabList(int n) {
        for (int i = 0; i < n; ++i) {
            ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001);
            AfxPumpPendingMessages();
        }
    }
    void TabBare(int n) {
        const int count = static_cast<int>(bare.SendMessage(LVM_GETITEMCOUNT));
        for (int i = 0; i < n; ++i) {
            LVITEMW sub{};
            sub.iSubItem = 1;
            CString text = edit.GetWindowText();
            sub.pszText = const_cast<LPWSTR>(text.GetString());
            bare.SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(bareRow), reinterpret_cast<LPARAM>(&sub));
            bareRow = bareRow + 1 == count ? 0 : bareRow + 1;
            bare.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(bareRow), FALSE);
            LVITEMW state{};
            state.stateMask = LVIS_SELECTED;
            state.state = LVIS_SELECTED;
            bare.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(bareRow),
                             reinterpret_cast<LPARAM>(&state));
            wchar_t buf[128];
            sub.pszText = buf;
            sub.cchTextMax = 128;
            bare.SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(bareRow), reinterpret_cast<LPARAM>(&sub));
            edit.SetWindowText(buf);
            RECT rc{LVIR_BOUNDS, 1, 0, 0};
            bare.SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(bareRow), reinterpret_cast<LPARAM>(&rc));
            edit.MoveWindow(&rc);
            edit.SetFocus();
            edit.SendMessage(EM_SETSEL, 0, -1);
            AfxPumpPendingMessages();
        }
    }
};

const bench::Registrar kCases{{
    {"CPropertyListCtrl: fill rows + column widths", 2000, 1.20,
     [](CWnd& host, int n) {
         auto p = std::make_shared<FillPair>(host, n);
         return bench::Sides{[p] { p->FillList(); }, [p] { p->bare.Fill(p->rows); }};
     },
     "a bare list view filled with the same rows and widths"},
    {"CPropertyListCtrl: Tab to the next row", 50, 0.0,
     [](CWnd& host, int n) {
         auto p = std::make_shared<TabPair>(host);
         return bench::Sides{[p, n] { p->TabList(n); }, [p, n] { p->TabBare(n); }};
     },
     "an edit moved by hand over a bare list view: text written back, next row selected, read and edited"},
}};

} // namespace
