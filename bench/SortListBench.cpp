// The sortable lists against the bare list view: a header click against LVM_SORTITEMS with a plain
// comparator, string-data insertion against LPSTR_TEXTCALLBACK rows, and the owner-drawn repaint
// against the list view's own painting. Both sides hold the same random texts (fixed seed).
#include "BenchCase.h"

#include <memory>
#include <random>

namespace {

constexpr int kColumns = 3;

struct Texts {
    std::wstring text[kColumns];
};

std::vector<Texts> RandomRows(int n) {
    std::mt19937 rng(13);
    std::uniform_int_distribution<int> letter(0, 51);
    std::vector<Texts> rows(static_cast<size_t>(n));
    for (auto& r : rows) {
        for (auto& t : r.text) {
            t.resize(8);
            for (auto& ch : t) {
                const int k = letter(rng);
                ch = static_cast<wchar_t>(k < 26 ? L'a' + k : L'A' + k - 26);
            }
        }
    }
    return rows;
}

// A bare report list with three columns, not attached to any framework object.
HWND BareList(CWnd& host, const RECT& rc, DWORD style = 0) {
    HWND h = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | style,
                               rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, host, nullptr,
                               nullptr, nullptr);
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = const_cast<LPWSTR>(L"Column");
        col.cx = 110;
        ::SendMessageW(h, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
    }
    return h;
}

template <class List> void AddColumns(List& list) {
    for (int c = 0; c < kColumns; ++c) list.InsertColumn(c, L"Column", LVCFMT_LEFT, 110);
}

int InsertCallbackRow(HWND h, int i, LPARAM data) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = i;
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.lParam = data;
    return static_cast<int>(::SendMessageW(h, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int CALLBACK CompareBare(LPARAM l1, LPARAM l2, LPARAM column) {
    return reinterpret_cast<const Texts*>(l1)->text[column].compare(
        reinterpret_cast<const Texts*>(l2)->text[column]);
}

CSortListCtrlEx::CItemData* Record(const Texts& t) {
    auto* p = new CSortListCtrlEx::CItemData;
    for (const auto& s : t.text) p->m_arrText.Add(s.c_str());
    return p;
}

// Header clicks: each run sorts by the next column, so every run orders rows that the previous
// run left unordered for that column.
struct SortPair {
    std::vector<Texts> rows;
    CSortListCtrlEx list;
    HWND bare;
    int listRuns = 0, bareRuns = 0;
    SortPair(CWnd& host, int n) : rows(RandomRows(n)) {
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{0, 0, 390, 560}, &host, 1);
        AddColumns(list);
        bare = BareList(host, RECT{400, 0, 790, 560});
        list.SetRedraw(FALSE);
        ::SendMessageW(bare, WM_SETREDRAW, FALSE, 0);
        for (int i = 0; i < n; ++i) {
            list.InsertItem(i, Record(rows[static_cast<size_t>(i)]));
            InsertCallbackRow(bare, i, reinterpret_cast<LPARAM>(&rows[static_cast<size_t>(i)]));
        }
        list.SetRedraw(TRUE);
        ::SendMessageW(bare, WM_SETREDRAW, TRUE, 0);
    }
    ~SortPair() { ::DestroyWindow(bare); }
    void ClickList(CWnd& host) {
        // What the list view sends its parent for a header click; the parent reflects it.
        NMLISTVIEW nm{};
        nm.hdr = {list.m_hWnd, 1, LVN_COLUMNCLICK};
        nm.iItem = -1;
        nm.iSubItem = listRuns++ % kColumns;
        host.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&nm));
    }
    void SortBare() {
        ::SendMessageW(bare, LVM_SORTITEMS, static_cast<WPARAM>(bareRuns++ % kColumns),
                       reinterpret_cast<LPARAM>(&CompareBare));
    }
};

// Insertion of n string-data records (kept by the bench: the list's delete flag is off) with
// redraw off; the rows go again in the pump after each run, outside the timing.
struct InsertPair {
    std::vector<Texts> rows;
    std::vector<std::unique_ptr<CSortListCtrlEx::CItemData>> records;
    CSortListCtrlEx list;
    HWND bare;
    InsertPair(CWnd& host, int n) : rows(RandomRows(n)) {
        for (const auto& r : rows) records.emplace_back(Record(r));
        list.SetDeleteItemData(FALSE);
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{0, 0, 390, 560}, &host, 1);
        AddColumns(list);
        bare = BareList(host, RECT{400, 0, 790, 560});
        list.SetRedraw(FALSE);
        ::SendMessageW(bare, WM_SETREDRAW, FALSE, 0);
    }
    ~InsertPair() {
        list.DestroyWindow();
        ::DestroyWindow(bare);
    }
    void InsertList() {
        const int n = static_cast<int>(records.size());
        for (int i = 0; i < n; ++i) list.InsertItem(i, records[static_cast<size_t>(i)].get());
        list.PostMessage(LVM_DELETEALLITEMS);
    }
    void InsertBare() {
        const int n = static_cast<int>(rows.size());
        for (int i = 0; i < n; ++i)
            InsertCallbackRow(bare, i, reinterpret_cast<LPARAM>(&rows[static_cast<size_t>(i)]));
        ::PostMessageW(bare, LVM_DELETEALLITEMS, 0, 0);
    }
};

// Full repaints of the same rows (texts held by the lists): owner-drawn by CSortListCtrl, and
// painted by the list view itself.
struct PaintPair {
    CSortListCtrl list;
    HWND bare;
    PaintPair(CWnd& host, int n) {
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_OWNERDRAWFIXED, RECT{0, 0, 390, 560}, &host, 1);
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        AddColumns(list);
        bare = BareList(host, RECT{400, 0, 790, 560});
        ::SendMessageW(bare, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        const std::vector<Texts> rows = RandomRows(n);
        list.SetRedraw(FALSE);
        ::SendMessageW(bare, WM_SETREDRAW, FALSE, 0);
        for (int i = 0; i < n; ++i) {
            const Texts& t = rows[static_cast<size_t>(i)];
            list.InsertItem(i, t.text[0].c_str());
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<LPWSTR>(t.text[0].c_str());
            ::SendMessageW(bare, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            for (int c = 1; c < kColumns; ++c) {
                list.SetItemText(i, c, t.text[c].c_str());
                item.iSubItem = c;
                item.pszText = const_cast<LPWSTR>(t.text[c].c_str());
                ::SendMessageW(bare, LVM_SETITEMTEXTW, static_cast<WPARAM>(i),
                               reinterpret_cast<LPARAM>(&item));
            }
        }
        list.SetRedraw(TRUE);
        ::SendMessageW(bare, WM_SETREDRAW, TRUE, 0);
    }
    ~PaintPair() { ::DestroyWindow(bare); }
};

void Repaint(HWND h, int times) {
    for (int i = 0; i < times; ++i)
        ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

const bench::Registrar kCases{{
    {"CSortListCtrlEx: header click, 100,000 rows", 100000, 1.10,
     [](CWnd& host, int n) {
         auto p = std::make_shared<SortPair>(host, n);
         return bench::Sides{[p, &host] { p->ClickList(host); }, [p] { p->SortBare(); }};
     },
     "LVM_SORTITEMS on a bare list view with a plain comparison of the same texts"},
    {"CSortListCtrlEx: InsertItem, 50,000 records", 50000, 1.05,
     [](CWnd& host, int n) {
         auto p = std::make_shared<InsertPair>(host, n);
         return bench::Sides{[p] { p->InsertList(); }, [p] { p->InsertBare(); }};
     },
     "a bare list view given the same rows as text callbacks"},
    {"CSortListCtrl: owner-drawn full repaints", 20, 1.5,
     [](CWnd& host, int n) {
         auto p = std::make_shared<PaintPair>(host, 1000); // more than a screenful
         return bench::Sides{[p, n] { Repaint(p->list, n); }, [p, n] { Repaint(p->bare, n); }};
     },
     "the bare list view painting the same rows itself"},
}};

} // namespace
