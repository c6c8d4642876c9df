// The string-data list in virtual mode (LVS_OWNERDATA): filling, a header click and scrolling at a
// million rows against a bare owner-data list view fed from a std::vector by the same
// notification, and against std::stable_sort of the same records with the same comparison (what
// an application would write: the list sorts by keys and must beat it); a number column against
// the same sort comparing by wcstod; a header click in virtual mode against the same rows in normal
// mode; the quick filter against a loop searching the texts blind to case; and Ctrl+A, Ctrl+C
// against building the same text directly, and each key against what the window system itself
// costs for it.
#include "BenchCase.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kColumns = 3;
constexpr int kMillion = 1000000;
using Record = CSortListCtrlEx::CItemData;

// The records every case shares (built once, kept by the bench: the lists' delete flag is off):
// eight random letters per text, the same seed as the other list cases.
const std::vector<Record*>& Records(int n) {
    static std::vector<std::unique_ptr<Record>> owned;
    static std::vector<Record*> records;
    if (static_cast<int>(records.size()) < n) {
        std::mt19937 rng(13);
        std::uniform_int_distribution<int> letter(0, 51);
        wchar_t text[9] = {};
        for (int i = static_cast<int>(records.size()); i < n; ++i) {
            auto p = std::make_unique<Record>();
            for (int c = 0; c < kColumns; ++c) {
                for (int k = 0; k < 8; ++k) {
                    const int v = letter(rng);
                    text[k] = static_cast<wchar_t>(v < 26 ? L'a' + v : L'A' + v - 26);
                }
                p->m_arrText.Add(text);
            }
            records.push_back(p.get());
            owned.push_back(std::move(p));
        }
    }
    return records;
}

void AddColumns(HWND h) {
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = const_cast<LPWSTR>(L"Column");
        col.cx = 110;
        ::SendMessageW(h, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
    }
}

// The bare side: an owner-data list view inside a plain window that answers its text requests from
// a std::vector, as an application without listedit would.
class BareOwnerData {
public:
    std::vector<Record*> rows;
    HWND list = nullptr;

    BareOwnerData(CWnd& host, const RECT& rc) {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = &Proc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"listedit_bench_owner";
            return ::RegisterClassW(&wc);
        }();
        m_hParent =
            ::CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_CHILD | WS_VISIBLE, rc.left, rc.top,
                              rc.right - rc.left, rc.bottom - rc.top, host, nullptr, nullptr, nullptr);
        ::SetWindowLongPtrW(m_hParent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        list = ::CreateWindowExW(
            0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDATA, 0, 0,
            rc.right - rc.left, rc.bottom - rc.top, m_hParent, nullptr, nullptr, nullptr);
        AddColumns(list);
    }
    ~BareOwnerData() { ::DestroyWindow(m_hParent); }
    void Fill(const std::vector<Record*>& records) {
        rows.assign(records.begin(), records.end());
        ::SendMessageW(list, LVM_SETITEMCOUNT, rows.size(), LVSICF_NOSCROLL);
    }

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOW) {
            auto* self = reinterpret_cast<BareOwnerData*>(::GetWindowLongPtrW(h, GWLP_USERDATA));
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
            if ((item.mask & LVIF_TEXT) && item.iItem >= 0 &&
                static_cast<size_t>(item.iItem) < self->rows.size()) {
                const CStringArray& texts = self->rows[static_cast<size_t>(item.iItem)]->m_arrText;
                if (item.iSubItem < texts.GetSize() && item.cchTextMax > 0) {
                    const std::wstring_view text = texts.GetData()[item.iSubItem].view();
                    const size_t n = std::min(text.size(), static_cast<size_t>(item.cchTextMax) - 1);
                    std::copy_n(text.data(), n, item.pszText);
                    item.pszText[n] = L'\0';
                }
            }
            return 0;
        }
        return ::DefWindowProcW(h, msg, wParam, lParam);
    }
    HWND m_hParent = nullptr;
};

// A virtual-mode list that keeps the bench's records.
std::unique_ptr<CSortListCtrlEx> VirtualList(CWnd& host, const RECT& rc) {
    auto list = std::make_unique<CSortListCtrlEx>();
    list->SetDeleteItemData(FALSE);
    list->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_OWNERDATA, rc, &host, 1);
    for (int c = 0; c < kColumns; ++c) list->InsertColumn(c, L"Column", LVCFMT_LEFT, 110);
    return list;
}

void Click(CWnd& host, CSortListCtrlEx& list, int column) {
    // What the list view sends its parent for a header click; the parent reflects it.
    NMLISTVIEW nm{};
    nm.hdr = {list.m_hWnd, 1, LVN_COLUMNCLICK};
    nm.iItem = -1;
    nm.iSubItem = column;
    host.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&nm));
}

constexpr RECT kLeft{0, 0, 390, 560}, kRight{400, 0, 790, 560};

// Filling, until the first page shows: the records are already built; the rows go again after
// each run, outside the timing.
struct FillPair {
    std::unique_ptr<CSortListCtrlEx> list;
    BareOwnerData bare;
    const std::vector<Record*>& records;
    FillPair(CWnd& host, int n) : list(VirtualList(host, kLeft)), bare(host, kRight), records(Records(n)) {}
    void FillList() {
        list->InsertItems(0, records.data(), static_cast<int>(records.size()));
        list->UpdateWindow();
        list->PostMessage(LVM_DELETEALLITEMS);
    }
    void FillBare() {
        bare.Fill(records);
        ::UpdateWindow(bare.list);
        ::PostMessageW(bare.list, LVM_DELETEALLITEMS, 0, 0);
    }
};

// Header clicks: each run sorts by the next column, ascending, so every run orders rows that the
// previous run left unordered for that column; the floor does the same to a vector of the records.
struct SortFloorPair {
    std::unique_ptr<CSortListCtrlEx> list;
    std::vector<Record*> floor;
    int listRuns = 0, floorRuns = 0;
    SortFloorPair(CWnd& host, int n)
        : list(VirtualList(host, kLeft)), floor(Records(n).begin(), Records(n).begin() + n) {
        list->InsertItems(0, floor.data(), n);
    }
    void SortFloor() {
        const int c = floorRuns++ % kColumns;
        // The list's default comparison: ordinal, a record lacking the column level with any.
        std::stable_sort(floor.begin(), floor.end(), [c](const Record* a, const Record* b) {
            if (c >= a->m_arrText.GetSize() || c >= b->m_arrText.GetSize()) return false;
            return a->m_arrText.GetData()[c].view().compare(b->m_arrText.GetData()[c].view()) < 0;
        });
    }
};

// The same rows in virtual mode and in normal mode, a header click each.
struct ModePair {
    std::unique_ptr<CSortListCtrlEx> virt;
    CSortListCtrlEx normal;
    int virtRuns = 0, normalRuns = 0;
    ModePair(CWnd& host, int n) : virt(VirtualList(host, kLeft)) {
        const std::vector<Record*>& records = Records(n);
        virt->InsertItems(0, records.data(), n);
        normal.SetDeleteItemData(FALSE);
        normal.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, kRight, &host, 2);
        for (int c = 0; c < kColumns; ++c) normal.InsertColumn(c, L"Column", LVCFMT_LEFT, 110);
        normal.InsertItems(0, records.data(), n);
    }
};

// Records of one number column: a sign now and then, up to six digits and two decimals, and now and
// then a text that is no number (which sorts first).
const std::vector<Record*>& NumberRecords(int n) {
    static std::vector<std::unique_ptr<Record>> owned;
    static std::vector<Record*> records;
    if (static_cast<int>(records.size()) < n) {
        std::mt19937 rng(17);
        wchar_t text[32];
        for (int i = static_cast<int>(records.size()); i < n; ++i) {
            auto p = std::make_unique<Record>();
            if (rng() % 50 == 0)
                p->m_arrText.Add(L"n/a");
            else {
                const unsigned v = rng() % 100000000;
                std::swprintf(text, 32, L"%s%u.%02u", rng() % 4 ? L"" : L"-", v / 100, v % 100);
                p->m_arrText.Add(text);
            }
            records.push_back(p.get());
            owned.push_back(std::move(p));
        }
    }
    return records;
}

// A click on a number column, alternately ascending and descending; the baseline sorts the same
// records the same way comparing by wcstod (a text that is no number first), as an application
// would write it.
struct NumberSortPair {
    std::unique_ptr<CSortListCtrlEx> list;
    std::vector<Record*> floor;
    bool floorAsc = true;
    NumberSortPair(CWnd& host, int n)
        : list(VirtualList(host, kLeft)), floor(NumberRecords(n).begin(), NumberRecords(n).begin() + n) {
        list->SetColumnSortType(0, SortType::Number);
        list->InsertItems(0, floor.data(), n);
    }
    void SortFloor() {
        const bool asc = floorAsc;
        floorAsc = !floorAsc;
        auto number = [](const Record* r, double& v) {
            const wchar_t* s = r->m_arrText.GetData()[0];
            wchar_t* end = nullptr;
            v = std::wcstod(s, &end);
            return end != s && *end == L'\0';
        };
        std::stable_sort(floor.begin(), floor.end(), [&](const Record* a, const Record* b) {
            double x = 0, y = 0;
            const bool va = number(a, x), vb = number(b, y);
            const int r = va && vb ? (x > y) - (x < y) : int(va) - int(vb);
            return asc ? r < 0 : r > 0;
        });
    }
};

// The quick filter, a different text each run, over a million records of three columns; the
// baseline searches the same texts blind to case with the C library's towlower.
struct QuickFilterPair {
    std::unique_ptr<CSortListCtrlEx> list;
    const std::vector<Record*>& records;
    int listRuns = 0, loopRuns = 0;
    std::vector<Record*> accepted;
    static constexpr const wchar_t* kTexts[] = {L"ab", L"Qz", L"xY", L"mno"};
    QuickFilterPair(CWnd& host, int n) : list(VirtualList(host, kLeft)), records(Records(n)) {
        list->InsertItems(0, records.data(), n);
    }
    void Filter() { list->SetQuickFilter(kTexts[listRuns++ % 4]); }
    void Loop() {
        const std::wstring_view sought = kTexts[loopRuns++ % 4];
        auto same = [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); };
        accepted.clear();
        for (Record* r : records) {
            for (int c = 0; c < r->m_arrText.GetSize(); ++c) {
                const std::wstring_view t = r->m_arrText.GetData()[c].view();
                if (std::search(t.begin(), t.end(), sought.begin(), sought.end(), same) != t.end()) {
                    accepted.push_back(r);
                    break;
                }
            }
        }
    }
};

// A key pressed with Ctrl, as the list's key handler sees it.
void CtrlKey(CWnd& wnd, UINT vk) {
    BYTE saved[256], state[256];
    ::GetKeyboardState(saved), ::GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    ::SetKeyboardState(state);
    wnd.SendMessage(WM_KEYDOWN, vk, 1);
    ::SetKeyboardState(saved);
}

// The selection goes again in the pump, outside the timing.
void ClearLater(HWND hList) {
    static LVITEMW none{};
    none.stateMask = LVIS_SELECTED;
    ::PostMessageW(hList, WM_SETREDRAW, FALSE, 0);
    ::PostMessageW(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    ::PostMessageW(hList, WM_SETREDRAW, TRUE, 0);
}

// The rows' tab-separated text, each cell quoted where a spreadsheet needs it, built directly.
void BuildText(const std::vector<Record*>& rows, std::wstring& text) {
    text.clear();
    for (const Record* r : rows) {
        for (int c = 0; c < kColumns; ++c) {
            const std::wstring_view t = r->m_arrText.GetData()[c].view();
            if (t.find_first_of(L"\t\r\n\"") == std::wstring_view::npos) {
                text += t;
            } else {
                text += L'"';
                for (wchar_t ch : t) text.append(ch == L'"' ? 2 : 1, ch);
                text += L'"';
            }
            text += c + 1 < kColumns ? L"\t" : L"\r\n";
        }
    }
}

// Ctrl+A and Ctrl+C on the list, its text put on the clipboard; the baseline builds the same
// tab-separated text from the records directly.
struct CopyPair {
    std::unique_ptr<CSortListCtrlEx> list;
    std::vector<Record*> rows;
    std::wstring text;
    CopyPair(CWnd& host, int n)
        : list(VirtualList(host, kLeft)), rows(Records(n).begin(), Records(n).begin() + n) {
        list->InsertItems(0, rows.data(), n);
    }
    void SelectAllAndCopy() {
        CtrlKey(*list, 'A');
        CtrlKey(*list, 'C');
        ClearLater(list->m_hWnd);
    }
    void Build() { BuildText(rows, text); }
};

// The same two keys against what the window system itself costs for them, on the same rows: the
// bare owner-data list view's select-all (one state change, which the list view carries out by a
// walk over every row, redrawing off), and the same text put on the clipboard in one block of global
// memory and read back, as a paste reads it. The list keeps a select-all itself, and the clipboard
// is given the text when it is read: the paste is in both sides so that no cost leaves the count.
struct CopyFloorPair {
    std::unique_ptr<CSortListCtrlEx> list;
    BareOwnerData bare;
    std::wstring text;
    CopyFloorPair(CWnd& host, int n) : list(VirtualList(host, kLeft)), bare(host, kRight) {
        const std::vector<Record*> rows(Records(n).begin(), Records(n).begin() + n);
        list->InsertItems(0, rows.data(), n);
        bare.Fill(rows);
    }
    void SelectAll() { CtrlKey(*list, 'A'); }
    void SelectAllBare() {
        LVITEMW all{};
        all.state = all.stateMask = LVIS_SELECTED;
        ::SendMessageW(bare.list, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(bare.list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
        ::SendMessageW(bare.list, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(bare.list, nullptr, FALSE);
    }
    void Copy() {
        CtrlKey(*list, 'C');
        Paste(list->m_hWnd);
    }
    void CopyBare() {
        BuildText(bare.rows, text);
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        if (!hMem) return;
        auto* p = static_cast<wchar_t*>(::GlobalLock(hMem));
        std::copy(text.begin(), text.end(), p)[0] = L'\0';
        ::GlobalUnlock(hMem);
        ::OpenClipboard(bare.list);
        ::EmptyClipboard();
        if (!::SetClipboardData(CF_UNICODETEXT, hMem)) ::GlobalFree(hMem);
        ::CloseClipboard();
        Paste(bare.list);
    }
    // What a program pasting the text does: opens the clipboard and reads the text's length.
    std::size_t Paste(HWND hWnd) {
        std::size_t nLength = 0;
        if (!::OpenClipboard(hWnd)) return 0;
        if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* p = static_cast<const wchar_t*>(::GlobalLock(h))) nLength = std::wcslen(p);
            ::GlobalUnlock(h);
        }
        ::CloseClipboard();
        return nLength;
    }
};

// A click on a row after Ctrl+A, which selects that row alone: the list deselects every row it kept
// selected at once; the bare list view, given one row selected as a click before leaves it, deselects
// that row for the same click.
struct ClickAfterSelectAllPair {
    std::unique_ptr<CSortListCtrlEx> list;
    BareOwnerData bare;
    ClickAfterSelectAllPair(CWnd& host, int n) : list(VirtualList(host, kLeft)), bare(host, kRight) {
        const std::vector<Record*> rows(Records(n).begin(), Records(n).begin() + n);
        list->InsertItems(0, rows.data(), n);
        bare.Fill(rows);
    }
    static void ClickRow(HWND hList, int nRow) {
        RECT rc{LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageW(hList, LVM_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&rc));
        const LPARAM pt = MAKELPARAM(30, (rc.top + rc.bottom) / 2);
        ::SendMessageW(hList, WM_LBUTTONDOWN, MK_LBUTTON, pt);
        ::SendMessageW(hList, WM_LBUTTONUP, 0, pt);
        ::UpdateWindow(hList);
    }
    void SelectAllAndClick() {
        CtrlKey(*list, 'A');
        ClickRow(list->m_hWnd, 2);
    }
    void ClickBare() {
        LVITEMW one{};
        one.state = one.stateMask = LVIS_SELECTED;
        ::SendMessageW(bare.list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&one));
        ClickRow(bare.list, 2);
    }
};

// One page down per step, from the middle of the list, each step painted at once.
struct ScrollPair {
    std::unique_ptr<CSortListCtrlEx> list;
    BareOwnerData bare;
    ScrollPair(CWnd& host) : list(VirtualList(host, kLeft)), bare(host, kRight) {
        const std::vector<Record*>& records = Records(kMillion);
        list->InsertItems(0, records.data(), kMillion);
        bare.Fill(records);
        list->EnsureVisible(kMillion / 2, FALSE);
        ::SendMessageW(bare.list, LVM_ENSUREVISIBLE, kMillion / 2, FALSE);
    }
};

void PageDown(HWND h, int pages) {
    for (int i = 0; i < pages; ++i) {
        ::SendMessageW(h, WM_VSCROLL, SB_PAGEDOWN, 0);
        ::UpdateWindow(h);
    }
}

const bench::Registrar kCases{{
    {"CSortListCtrlEx virtual: InsertItems, 1,000,000", kMillion, 1.5,
     [](CWnd& host, int n) {
         auto p = std::make_shared<FillPair>(host, n);
         return bench::Sides{[p] { p->FillList(); }, [p] { p->FillBare(); }};
     },
     "a bare owner-data list view given the count, its texts read from a std::vector by the same "
     "notification"},
    {"CSortListCtrlEx virtual: click, 1,000,000 vs stable_sort", kMillion, 0.25,
     [](CWnd& host, int n) {
         auto p = std::make_shared<SortFloorPair>(host, n);
         return bench::Sides{[p, &host] { Click(host, *p->list, p->listRuns++ % kColumns); },
                             [p] { p->SortFloor(); }};
     },
     "std::stable_sort of the same records with the ordinal comparison"},
    // A tenth of the rows: the baseline's wcstod takes some 17 s a run for a million under Wine.
    {"CSortListCtrlEx virtual: number click, 100,000", 100000, 0.25,
     [](CWnd& host, int n) {
         auto p = std::make_shared<NumberSortPair>(host, n);
         return bench::Sides{[p, &host] { Click(host, *p->list, 0); }, [p] { p->SortFloor(); }};
     },
     "std::stable_sort of the same records comparing the texts by wcstod"},
    {"CSortListCtrlEx virtual: quick filter, 1,000,000", kMillion, 1.5,
     [](CWnd& host, int n) {
         auto p = std::make_shared<QuickFilterPair>(host, n);
         return bench::Sides{[p] { p->Filter(); }, [p] { p->Loop(); }};
     },
     "a loop over the same texts searching each blind to case (std::search with towlower)"},
    {"CSortListCtrlEx virtual: Ctrl+A, Ctrl+C, 100,000", 100000, 1.5,
     [](CWnd& host, int n) {
         auto p = std::make_shared<CopyPair>(host, n);
         return bench::Sides{[p] { p->SelectAllAndCopy(); }, [p] { p->Build(); }};
     },
     "the same tab-separated text built from the records directly"},
    // The same state change on both sides: the goal leaves room for a shared machine's noise only.
    {"CSortListCtrlEx virtual: Ctrl+A, 100,000, against the bare list view", 100000, 1.2,
     [](CWnd& host, int n) {
         auto p = std::make_shared<CopyFloorPair>(host, n);
         return bench::Sides{[p] { p->SelectAll(), ClearLater(p->list->m_hWnd); },
                             [p] { p->SelectAllBare(), ClearLater(p->bare.list); }};
     },
     "a bare owner-data list view of the same rows selecting all with one state change, redrawing off"},
    {"CSortListCtrlEx virtual: Ctrl+C and a paste of 100,000, against the clipboard", 100000, 1.1,
     [](CWnd& host, int n) {
         auto p = std::make_shared<CopyFloorPair>(host, n);
         p->SelectAll();
         return bench::Sides{[p] { p->Copy(); }, [p] { p->CopyBare(); }};
     },
     "the same text built directly, copied into one block of global memory, put on the clipboard and read "
     "back"},
    {"CSortListCtrlEx virtual: Ctrl+A, then a click on a row, 1,000,000", kMillion, 1.5,
     [](CWnd& host, int n) {
         auto p = std::make_shared<ClickAfterSelectAllPair>(host, n);
         return bench::Sides{[p] { p->SelectAllAndClick(); }, [p] { p->ClickBare(); }};
     },
     "a click on the same row of a bare owner-data list view with one other row selected"},
    {"CSortListCtrlEx click, 100,000: virtual vs normal", 100000, 0.5,
     [](CWnd& host, int n) {
         auto p = std::make_shared<ModePair>(host, n);
         return bench::Sides{[p, &host] { Click(host, *p->virt, p->virtRuns++ % kColumns); },
                             [p, &host] { Click(host, p->normal, p->normalRuns++ % kColumns); }};
     },
     "the same header click on the same rows in a list in normal mode (the list view's callback sort)"},
    {"CSortListCtrlEx virtual: page down, 1,000,000", 40, 1.05,
     [](CWnd& host, int n) {
         auto p = std::make_shared<ScrollPair>(host);
         return bench::Sides{[p, n] { PageDown(p->list->m_hWnd, n); }, [p, n] { PageDown(p->bare.list, n); }};
     },
     "a bare owner-data list view of a million rows scrolled and repainted page by page"},
}};

} // namespace
