// CConditionListCtrl: the condition list's frame, field list, rows, text, drawing and input.
#include <listedit/condlist/CConditionListCtrl.h>
#include <listedit/frame/CBrush.h>
#include <listedit/frame/CDC.h>
#include <listedit/frame/CHeaderCtrl.h>
#include <listedit/frame/CImageList.h>
#include <listedit/frame/CMenu.h>
#include <listedit/frame/MessageMap.h>

#include <listedit/condlist/CFieldItemData.h>
#include "condlist/ConditionModel.h"
#include "frame/Dpi.h"
#include "condlist/ConditionParser.h"
#include "condlist/ConditionText.h"
#include "edit/NumModel.h"
#include "frame/Accessible.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace ct = listedit::condlist;

namespace {

constexpr UINT IDC_LEFTBRACKET = 1001;
constexpr UINT IDC_FIELDLIST = 1002;
constexpr UINT IDC_CONDITION = 1003;
constexpr UINT IDC_DATAWND = 1004;
constexpr UINT IDC_RELATION = 1005;
constexpr UINT IDC_RIGHTBRACKET = 1006;
constexpr UINT ID_MENU_DELETE = 1101;
constexpr UINT ID_MENU_INSERT = 1102;
constexpr UINT ID_MENU_CLEAR = 1103;

constexpr DWORD kForcedStyle = LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOSORTHEADER;
constexpr DWORD kBoxStyle = WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT;
constexpr UINT kDrawTextFlags = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

constexpr const ct::ConditionLayout& kLayout = ct::kConditionLayout;

ct::LabelSet SetOf(const CConditionLabels& labels) {
    ct::LabelSet set;
    auto fill = [](auto& strings, const CStringArray& array) {
        for (size_t i = 0; i < strings.size(); ++i) strings[i] = array[static_cast<INT_PTR>(i)].str();
    };
    fill(set.columns, labels.m_arrColumns);
    fill(set.comparisons, labels.m_arrComparisons);
    fill(set.relations, labels.m_arrRelations);
    fill(set.menu, labels.m_arrMenu);
    return set;
}

// Reads cells with one reused buffer per column, growing it until a cell fits.
class CellReader {
public:
    explicit CellReader(HWND hList) : m_hList(hList) {}
    std::wstring_view Read(int nItem, int nSubItem) {
        std::wstring& buf = m_buffers[nSubItem];
        if (buf.size() < 64) buf.resize(64);
        for (;;) {
            LVITEMW lvi{};
            lvi.iSubItem = nSubItem;
            lvi.pszText = buf.data();
            lvi.cchTextMax = static_cast<int>(buf.size());
            const auto n = static_cast<size_t>(::SendMessageW(
                m_hList, LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&lvi)));
            if (n + 1 < buf.size()) return std::wstring_view(buf.data(), n);
            buf.resize(buf.size() * 2);
        }
    }

private:
    HWND m_hList;
    std::wstring m_buffers[ct::kCellCount];
};

} // namespace

IMPLEMENT_DYNAMIC(CConditionListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CConditionListCtrl, CListCtrl)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_DESTROY()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_MEASUREITEM_REFLECT()
ON_MESSAGE(WM_SETFONT, &CConditionListCtrl::OnSetFont)
ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CConditionListCtrl::OnDpiChangedAfterParent)
ON_MESSAGE(LVM_SETCOLUMNWIDTH, &CConditionListCtrl::OnColumnChange)
ON_MESSAGE(LVM_SETCOLUMNW, &CConditionListCtrl::OnColumnChange)
ON_MESSAGE(LVM_SETCOLUMNA, &CConditionListCtrl::OnColumnChange)
ON_CBN_SELCHANGE(IDC_FIELDLIST, &CConditionListCtrl::OnSelchangeFieldlist)
ON_COMMAND_RANGE(ID_MENU_DELETE, ID_MENU_CLEAR, &CConditionListCtrl::OnCommandMenu)
ON_MESSAGE(WM_GETOBJECT, &CConditionListCtrl::OnGetObject)
END_MESSAGE_MAP()

CConditionListCtrl::CConditionListCtrl()
    : m_pDataWnd(new CDataWnd), m_labels(CConditionLabels::Chinese()), m_strListSeparator(L"-") {
    m_host.SetAccessibleRows(&CConditionListCtrl::MakeAccessibleRows);
}

CConditionListCtrl::~CConditionListCtrl() {
    // Destroyed while still a condition list, so that OnDestroy releases the field records.
    m_host.DestroyList();
    delete m_pDataWnd; // only a data window that never had a window is still ours
}

// ---- window set-up --------------------------------------------------------------------------------

BOOL CConditionListCtrl::PreCreateWindow(CREATESTRUCTW& cs) {
    // Report view whatever view the caller asked for.
    cs.style = (cs.style & ~static_cast<LONG>(0x0002)) | static_cast<LONG>(kForcedStyle);
    return CListCtrl::PreCreateWindow(cs);
}

void CConditionListCtrl::PreSubclassWindow() {
    ModifyStyle(LVS_TYPEMASK, kForcedStyle);
    CListCtrl::PreSubclassWindow();
}

int CConditionListCtrl::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    if (CListCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    return InsertAllColumn() ? 0 : -1;
}

std::array<CWnd*, 6> CConditionListCtrl::EditorsByColumn() {
    return {&m_cbLeftBracket, &m_cbFieldList, &m_cbCondition, m_pDataWnd, &m_cbRightBracket, &m_cbRelation};
}

// In the order of their ids, which is the order they are moved, shown and hidden in.
std::array<CWnd*, 6> CConditionListCtrl::Editors() {
    return {&m_cbLeftBracket, &m_cbFieldList, &m_cbCondition, m_pDataWnd, &m_cbRelation, &m_cbRightBracket};
}

std::array<CComboBox*, 5> CConditionListCtrl::Boxes() {
    return {&m_cbLeftBracket, &m_cbFieldList, &m_cbCondition, &m_cbRightBracket, &m_cbRelation};
}

bool CConditionListCtrl::HasEditors() const {
    return m_pDataWnd && m_pDataWnd->GetSafeHwnd() && m_cbRelation.GetSafeHwnd();
}

bool CConditionListCtrl::AnyDroppedDown() const {
    for (const CComboBox* pBox : const_cast<CConditionListCtrl*>(this)->Boxes())
        if (pBox->m_hWnd && pBox->SendMessage(CB_GETDROPPEDSTATE)) return true;
    return m_pDataWnd && m_pDataWnd->m_hWnd && m_pDataWnd->IsDroppedDown();
}

int CConditionListCtrl::InsertAllColumn() {
    if (m_cbLeftBracket.GetSafeHwnd()) return 1;
    SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);

    ResizeToColumns();

    const UINT nDpi = AfxGetWindowDpi(m_hWnd);
    const ct::LabelSet labels = Labels();
    bool ok = true;
    for (size_t i = 0; ok && i < ct::kCellCount; ++i)
        ok = InsertColumn(static_cast<int>(i), labels.columns[i].c_str(), i == 0 ? LVCFMT_RIGHT : LVCFMT_LEFT,
                          AfxScaleLength(kLayout.widths[i], nDpi)) != -1;

    // Each editor over its column, as tall as its dropped list.
    auto rectOf = [&](size_t column, int nHeight) {
        const int left = AfxScaleLength(kLayout.Left(column), nDpi);
        return CRect(left, 0, left + AfxScaleLength(kLayout.widths[column], nDpi), nHeight);
    };
    auto makeBox = [&](CComboBox& box, UINT nID, size_t column, std::span<const std::wstring> entries) {
        if (!box.Create(kBoxStyle, rectOf(column, AfxScaleLength(kLayout.dropHeights[column], nDpi)), this,
                        nID))
            return false;
        box.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()), TRUE);
        for (const std::wstring& entry : entries) box.AddString(entry.c_str());
        return true;
    };
    const std::wstring leftEntries[] = {L" ", L"("}, rightEntries[] = {L" ", L")"};
    ok = ok && makeBox(m_cbLeftBracket, IDC_LEFTBRACKET, ct::kLeftBracket, leftEntries);
    ok = ok && makeBox(m_cbFieldList, IDC_FIELDLIST, ct::kField, {});
    ok = ok && makeBox(m_cbCondition, IDC_CONDITION, ct::kComparison, labels.comparisons);
    if (ok) {
        if (!m_pDataWnd) m_pDataWnd = new CDataWnd;
        CRect rcBox;
        m_cbLeftBracket.GetWindowRect(&rcBox);
        // A data window whose creation fails has deleted itself.
        if (!m_pDataWnd->Create(WS_CHILD, rectOf(ct::kValue, rcBox.Height()), this, IDC_DATAWND)) {
            m_pDataWnd = nullptr;
            ok = false;
        } else {
            m_pDataWnd->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()), TRUE);
            m_pDataWnd->SetDecimalSeparator(m_chDecimalSeparator);
        }
    }
    ok = ok && makeBox(m_cbRightBracket, IDC_RIGHTBRACKET, ct::kRightBracket, rightEntries);
    ok = ok && makeBox(m_cbRelation, IDC_RELATION, ct::kRelation, labels.relations);

    if (!ok) {
        const int nColumns = GetHeaderCtrl() ? GetHeaderCtrl()->GetItemCount() : 0;
        for (int i = 0; i < nColumns; ++i) DeleteColumn(0);
        for (CComboBox* pBox : Boxes())
            if (pBox->GetSafeHwnd()) pBox->DestroyWindow();
        if (m_pDataWnd && m_pDataWnd->GetSafeHwnd()) {
            m_pDataWnd->DestroyWindow(); // it deletes itself
            m_pDataWnd = nullptr;
        }
        return 0;
    }
    m_pDataWnd->SetWantTabAndReturn(TRUE); // they move among the editors and commit, in a dialog too
    NameEditors();
    InsertItem(0, L"");
    return 1;
}

void CConditionListCtrl::OnDestroy() {
    CListCtrl::OnDestroy();
    if (m_cbFieldList.GetSafeHwnd()) ReleaseFieldRecords();
    m_bHasFieldList = FALSE;
    m_nCurItem = -1;
    // A data window with a window goes with the list's and deletes itself; one without is still
    // ours, for the destructor.
    if (m_pDataWnd && m_pDataWnd->GetSafeHwnd()) m_pDataWnd = nullptr;
}

// ---- field list ---------------------------------------------------------------------------------

void CConditionListCtrl::ReleaseFieldRecords() {
    for (int i = 0, n = m_cbFieldList.GetCount(); i < n; ++i) {
        delete reinterpret_cast<CFieldItemData*>(m_cbFieldList.GetItemData(i));
        m_cbFieldList.SetItemData(i, 0);
    }
}

void CConditionListCtrl::AddFieldString(const wchar_t* lpszField, UINT nType, const CStringArray* pValues) {
    if (!m_cbFieldList.GetSafeHwnd()) return;
    auto pRecord = std::make_unique<CFieldItemData>(nType, pValues);
    const int nIndex = m_cbFieldList.AddString(lpszField ? lpszField : L"");
    if (nIndex < 0) return;
    m_cbFieldList.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pRecord.release()));
    m_bHasFieldList = TRUE;
}

void CConditionListCtrl::ClearFieldList() {
    m_bHasFieldList = FALSE;
    if (m_cbFieldList.GetSafeHwnd()) {
        ReleaseFieldRecords();
        m_cbFieldList.ResetContent();
    }
    Clear();
}

template <class GetValues>
void CConditionListCtrl::SetFieldListFrom(const CStringArray& arrFields, const CUIntArray& arrTypes,
                                          const GetValues& valuesAt) {
    ClearFieldList();
    for (INT_PTR i = 0; i < arrFields.GetSize(); ++i) {
        const UINT nType = arrTypes[i]; // raises at a missing index
        AddFieldString(arrFields[i], nType, valuesAt(i));
    }
}

void CConditionListCtrl::SetFieldList(const CStringArray& arrFields, const CUIntArray& arrTypes,
                                      const CPtrArray& arrValues) {
    SetFieldListFrom(arrFields, arrTypes,
                     [&](INT_PTR i) { return static_cast<const CStringArray*>(arrValues[i]); });
}

void CConditionListCtrl::SetFieldList(const CStringArray& arrFields, const CUIntArray& arrTypes,
                                      const CDWordArray& arrValues) {
    SetFieldListFrom(arrFields, arrTypes, [&](INT_PTR i) {
        return reinterpret_cast<const CStringArray*>(static_cast<uintptr_t>(arrValues[i]));
    });
}

void CConditionListCtrl::SetFieldList(const wchar_t* lpszField, UINT nType, const CStringArray* pValues,
                                      ...) {
    ClearFieldList();
    if (!lpszField) return;
    AddFieldString(lpszField, nType, pValues);
    va_list args;
    va_start(args, pValues);
    while (const wchar_t* pszName = va_arg(args, const wchar_t*)) {
        const UINT nNextType = va_arg(args, UINT);
        const auto* pNextValues = va_arg(args, const CStringArray*);
        AddFieldString(pszName, nNextType, pNextValues);
    }
    va_end(args);
}

void CConditionListCtrl::GetFieldListArray(CStringArray& arrFields) const {
    arrFields.SetSize(0);
    CString strField;
    for (int i = 0, n = m_cbFieldList.GetSafeHwnd() ? m_cbFieldList.GetCount() : 0; i < n; ++i) {
        m_cbFieldList.GetLBText(i, strField);
        arrFields.Add(strField);
    }
}

namespace {
CFieldItemData& RecordOf(const CComboBox& box, int nIndex) {
    if (!box.GetSafeHwnd() || nIndex < 0 || nIndex >= box.GetCount()) AfxThrowInvalidArgException();
    auto* pRecord = reinterpret_cast<CFieldItemData*>(box.GetItemData(nIndex));
    if (!pRecord) AfxThrowInvalidArgException();
    return *pRecord;
}
} // namespace

int CConditionListCtrl::GetFieldListItemType(int nIndex) const {
    return static_cast<int>(RecordOf(m_cbFieldList, nIndex).m_nType);
}

CStringArray& CConditionListCtrl::GetFieldListItemValueArray(int nIndex) const {
    return RecordOf(m_cbFieldList, nIndex).m_arrValues;
}

// ---- rows -----------------------------------------------------------------------------------------

int CConditionListCtrl::InsertItemValue() {
    // The comparison box's own visibility flag: the control may sit hidden on a page the user is
    // not looking at, and its pending row still counts.
    if (m_nCurItem == -1 || !HasEditors() || !(m_cbCondition.GetStyle() & WS_VISIBLE)) return 1;
    const CString strValue = m_pDataWnd->GetText();
    if (strValue.IsEmpty() || DateUnchosen()) return 0;

    auto selected = [](const CComboBox& box) {
        CString s;
        box.GetLBText(box.GetCurSel(), s);
        return s;
    };
    if (GetItemCount() == m_nCurItem + 1)
        InsertItem(m_nCurItem, selected(m_cbLeftBracket));
    else
        SetItemText(m_nCurItem, 0, selected(m_cbLeftBracket));
    const int nField = m_cbFieldList.GetCurSel();
    SetItemText(m_nCurItem, 1, selected(m_cbFieldList));
    SetItemData(m_nCurItem, nField >= 0 ? static_cast<DWORD_PTR>(GetFieldListItemType(nField)) : 0);
    SetItemText(m_nCurItem, 2, selected(m_cbCondition));
    SetItemText(m_nCurItem, 3, strValue);
    SetItemText(m_nCurItem, 4, selected(m_cbRightBracket));
    SetItemText(m_nCurItem, 5, selected(m_cbRelation));
    listedit::access::RaiseRowEvent(EVENT_OBJECT_VALUECHANGE, m_hWnd, m_nCurItem);
    listedit::access::RaiseRowEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, m_nCurItem); // it reads its cells
    return 1;
}

bool CConditionListCtrl::DateUnchosen() {
    if (m_pDataWnd->GetType() != DWT_DATE || m_pDataWnd->GetModified()) return false;
    return m_nCurItem == GetItemCount() - 1 || GetItemText(m_nCurItem, ct::kValue).IsEmpty();
}

void CConditionListCtrl::SetValue() {
    if (!HasEditors() || m_nCurItem < 0 || m_nCurItem >= GetItemCount()) return;
    auto load = [this](CComboBox& box, int nColumn) {
        return box.SetCurSel(box.FindStringExact(-1, GetItemText(m_nCurItem, nColumn)));
    };
    load(m_cbLeftBracket, 0);
    const int nField = load(m_cbFieldList, 1);
    load(m_cbCondition, 2);
    m_pDataWnd->SetType(static_cast<int>(GetItemData(m_nCurItem)));
    if (nField >= 0)
        m_pDataWnd->SetStringArrayBySelectType(GetFieldListItemValueArray(nField));
    else
        m_pDataWnd->SetStringArrayBySelectType(CStringArray());
    m_pDataWnd->SetWindowText(GetItemText(m_nCurItem, 3));
    load(m_cbRightBracket, 4);
    load(m_cbRelation, 5);
    NameEditors();
}

void CConditionListCtrl::MoveAllChild(int nItem, int bShowAll, int bKeepVisibility) {
    CRect rcCell;
    if (!HasEditors() || !GetSubItemRect(nItem, 1, LVIR_BOUNDS, rcCell)) return;
    for (CWnd* pEditor : Editors()) {
        CRect rc;
        pEditor->GetWindowRect(&rc);
        ScreenToClient(&rc);
        // Moved without resizing: a box's window height is its dropped height, which must stay.
        pEditor->SetWindowPos(nullptr, rc.left, rcCell.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (!bKeepVisibility) pEditor->ShowWindow(bShowAll || pEditor == &m_cbFieldList ? SW_SHOW : SW_HIDE);
    }
}

void CConditionListCtrl::HideAllChild() {
    for (CWnd* pEditor : Editors())
        if (pEditor && pEditor->GetSafeHwnd()) pEditor->ShowWindow(SW_HIDE);
}

void CConditionListCtrl::OnSelchangeFieldlist() {
    const int nField = m_cbFieldList.GetCurSel();
    if (nField < 0 || !HasEditors()) return;
    const CFieldItemData& field = RecordOf(m_cbFieldList, nField);
    m_pDataWnd->SetType(static_cast<int>(field.m_nType));
    m_pDataWnd->SetStringArrayBySelectType(field.m_arrValues);
    NameEditors();
    if (m_nCurItem == GetItemCount() - 1) {
        for (CWnd* pEditor : {static_cast<CWnd*>(&m_cbLeftBracket), static_cast<CWnd*>(&m_cbCondition),
                              static_cast<CWnd*>(m_pDataWnd), static_cast<CWnd*>(&m_cbRelation),
                              static_cast<CWnd*>(&m_cbRightBracket)})
            pEditor->ShowWindow(SW_SHOW);
    }
}

void CConditionListCtrl::Insert() {
    if (m_nCurItem < 0 || m_nCurItem >= GetItemCount() || !HasEditors()) return;
    auto first = [](const CComboBox& box) {
        CString s;
        box.GetLBText(0, s);
        return s.str();
    };
    WriteRow(m_nCurItem,
             {first(m_cbLeftBracket), first(m_cbFieldList), first(m_cbCondition), L"",
              first(m_cbRightBracket), first(m_cbRelation)},
             m_cbFieldList.GetCount() > 0 ? GetFieldListItemType(0) : 0);
    MoveAllChild(m_nCurItem, 1, 0);
    SetValue();
}

void CConditionListCtrl::WriteRow(int nItem, const std::array<std::wstring, 6>& cells, int nType) {
    InsertItem(nItem, cells[0].c_str());
    for (int c = 1; c < ct::kCellCount; ++c) SetItemText(nItem, c, cells[static_cast<size_t>(c)].c_str());
    SetItemData(nItem, static_cast<DWORD_PTR>(nType));
}

void CConditionListCtrl::DeleteCurrent() {
    const int nCount = GetItemCount();
    if (m_nCurItem < 0 || m_nCurItem >= nCount) return;
    HideAllChild();
    if (m_nCurItem != nCount - 1) DeleteItem(m_nCurItem); // the entry row stays
    m_nCurItem = -1;
}

void CConditionListCtrl::Clear() {
    HideAllChild();
    m_nCurItem = -1;
    if (!GetSafeHwnd()) return;
    DeleteAllItems();
    InsertItem(0, L"");
}

// ---- the condition --------------------------------------------------------------------------------

CString CConditionListCtrl::GetStringByType(const wchar_t* lpszValue, int nType) {
    return CString(ct::QuotedValue(lpszValue ? lpszValue : L"", nType, WritingOptions()));
}

CString CConditionListCtrl::GetConditionString(const wchar_t* lpszCondition) {
    return CString(Labels().WordOf(lpszCondition ? lpszCondition : L""));
}

ct::LabelSet CConditionListCtrl::Labels() const {
    return SetOf(m_labels);
}

ct::ValueOptions CConditionListCtrl::WritingOptions() const {
    return {m_bQuoteDoubling != FALSE, m_strListSeparator.view(), m_bIsoDates != FALSE, m_chDecimalSeparator};
}

const CConditionLabels& CConditionListCtrl::GetLabels() const {
    return m_labels;
}

void CConditionListCtrl::SetLabels(const CConditionLabels& labels) {
    if (labels.m_arrColumns.GetSize() != ct::kCellCount ||
        labels.m_arrComparisons.GetSize() != static_cast<INT_PTR>(ct::kComparisonCount) ||
        labels.m_arrRelations.GetSize() != static_cast<INT_PTR>(ct::kRelationCount) ||
        labels.m_arrMenu.GetSize() != static_cast<INT_PTR>(ct::kMenuCount))
        AfxThrowInvalidArgException();
    const ct::LabelSet previous = Labels();
    m_labels = labels;
    if (HasEditors()) Relabel(previous);
}

void CConditionListCtrl::Relabel(const ct::LabelSet& previous) {
    const ct::LabelSet labels = Labels();
    for (size_t c = 0; c < ct::kCellCount; ++c) {
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_TEXT;
        lvc.pszText = const_cast<LPWSTR>(labels.columns[c].c_str());
        SetColumn(static_cast<int>(c), &lvc);
    }
    // The boxes offer the new labels, each keeping the position chosen.
    auto refill = [](CComboBox& box, std::span<const std::wstring> entries) {
        const int nSel = box.GetCurSel();
        box.ResetContent();
        for (const std::wstring& entry : entries) box.AddString(entry.c_str());
        box.SetCurSel(nSel);
    };
    refill(m_cbCondition, labels.comparisons);
    refill(m_cbRelation, labels.relations);
    // The condition rows: a label of the previous set becomes the label of its position; a text of
    // the application's own stays.
    CellReader reader(m_hWnd);
    for (int i = 0, n = GetItemCount() - 1; i < n; ++i) {
        if (const int c = previous.ComparisonOf(reader.Read(i, ct::kComparison)); c >= 0)
            SetItemText(i, ct::kComparison, labels.comparisons[static_cast<size_t>(c)].c_str());
        if (const int r = previous.RelationOf(reader.Read(i, ct::kRelation)); r >= 0)
            SetItemText(i, ct::kRelation, labels.relations[static_cast<size_t>(r)].c_str());
    }
}

void CConditionListCtrl::EnableIsoDates(BOOL bEnable) {
    m_bIsoDates = bEnable;
}

void CConditionListCtrl::SetListCodeSeparator(LPCWSTR lpszSeparator) {
    m_strListSeparator = lpszSeparator ? lpszSeparator : L"";
}

void CConditionListCtrl::SetDecimalSeparator(wchar_t chSeparator) {
    if (!listedit::num::IsDecimalSeparator(chSeparator)) AfxThrowInvalidArgException();
    m_chDecimalSeparator = chSeparator;
    if (m_pDataWnd) m_pDataWnd->SetDecimalSeparator(chSeparator);
}

void CConditionListCtrl::UseLocaleDecimalSeparator() {
    SetDecimalSeparator(AfxGetLocaleDecimalSeparator());
}

std::vector<ct::ConditionField> CConditionListCtrl::Fields() const {
    std::vector<ct::ConditionField> fields;
    if (!m_cbFieldList.GetSafeHwnd()) return fields;
    CString strName;
    for (int i = 0, n = m_cbFieldList.GetCount(); i < n; ++i) {
        const CFieldItemData& record = RecordOf(m_cbFieldList, i);
        m_cbFieldList.GetLBText(i, strName);
        ct::ConditionField& field = fields.emplace_back();
        field.name = strName.str();
        field.type = static_cast<int>(record.m_nType);
        for (INT_PTR v = 0; v < record.m_arrValues.GetSize(); ++v)
            field.values.push_back(record.m_arrValues[v].str());
    }
    return fields;
}

ct::Condition CConditionListCtrl::ReadRows() {
    ct::Condition condition{Fields(), {}};
    const int nRows = std::max(GetItemCount() - 1, 0);
    const int nColumns = GetHeaderCtrl() ? GetHeaderCtrl()->GetItemCount() : 0;
    const ct::LabelSet labels = Labels();
    CellReader reader(m_hWnd);
    condition.terms.reserve(static_cast<size_t>(nRows));
    for (int i = 0; i < nRows; ++i) {
        std::array<std::wstring_view, ct::kCellCount> cells;
        for (int c = 0; c < ct::kCellCount; ++c) {
            if (c >= nColumns) AfxThrowInvalidArgException();
            cells[static_cast<size_t>(c)] = reader.Read(i, c);
        }
        condition.terms.push_back(
            ct::ReadCells(cells, static_cast<int>(GetItemData(i)), condition.fields, labels));
    }
    return condition;
}

template <class Sink> int CConditionListCtrl::WriteCondition(Sink&& sink) {
    if (!InsertItemValue()) return 0;
    const ct::Condition condition = ReadRows();
    ct::ConditionTextBuilder builder(condition.terms.size(), condition.fields,
                                     {m_strNameOpen.view(), m_strNameClose.view()});
    for (const ct::ConditionTerm& term : condition.terms)
        sink(builder, term, condition.fields[term.field].type);
    sink.text = CString(builder.Finish());
    return 1;
}

int CConditionListCtrl::GetSQLSelectString(CString& strSQL) {
    struct {
        CConditionListCtrl* self;
        CString text;
        void operator()(ct::ConditionTextBuilder& builder, const ct::ConditionTerm& term, int nType) {
            const CString strValue(ct::TrimBlank(term.value));
            builder.AddTerm(term, self->GetStringByType(strValue, nType).view());
        }
    } sink{this, {}};
    if (!WriteCondition(sink)) return 0;
    strSQL = sink.text;
    return 1;
}

int CConditionListCtrl::GetSQLSelectParams(CString& strSQL, CStringArray& arrValues, CUIntArray& arrTypes) {
    struct {
        ct::ValueOptions options;
        CString text;
        CStringArray values;
        CUIntArray types;
        void operator()(ct::ConditionTextBuilder& builder, const ct::ConditionTerm& term, int nType) {
            builder.AddTerm(term, L"?");
            values.Add(CString(ct::ParameterValue(ct::TrimBlank(term.value), nType, options)));
            types.Add(static_cast<UINT>(nType));
        }
    } sink{WritingOptions(), {}, {}, {}};
    if (!WriteCondition(sink)) return 0;
    strSQL = sink.text;
    arrValues.Copy(sink.values);
    arrTypes.Copy(sink.types);
    return 1;
}

int CConditionListCtrl::GetFilter(CConditionFilter& filter) {
    if (!InsertItemValue()) return 0;
    filter.SetListCodeSeparator(m_strListSeparator);
    ct::Condition condition = ReadRows();
    // Numbers as the SQL writes them, whatever separator the user typed them with.
    for (ct::ConditionTerm& term : condition.terms)
        if (listedit::TraitsOf(condition.fields[term.field].type).editor == listedit::ValueEditor::Number)
            term.value = listedit::num::ReplacePoint(term.value, m_chDecimalSeparator, L'.');
    filter.SetCondition(condition);
    return 1;
}

void CConditionListCtrl::EnableQuoteDoubling(BOOL bEnable) {
    m_bQuoteDoubling = bEnable;
}

void CConditionListCtrl::SetFieldNameQuotes(LPCWSTR lpszOpen, LPCWSTR lpszClose) {
    m_strNameOpen = lpszOpen;
    m_strNameClose =
        m_strNameOpen.IsEmpty() || !lpszClose || !*lpszClose ? m_strNameOpen : CString(lpszClose);
}

// ---- conditions from code and from text ------------------------------------------------------------

int CConditionListCtrl::AddCondition(LPCWSTR lpszField, LPCWSTR lpszComparison, LPCWSTR lpszValue,
                                     LPCWSTR lpszRelation, BOOL bOpen, BOOL bClose) {
    if (!HasEditors() || !lpszField) return -1;
    const int nField = m_cbFieldList.FindStringExact(-1, lpszField);
    const int nComparison = ct::ComparisonOfWord(lpszComparison ? lpszComparison : L"");
    const std::wstring_view relation = lpszRelation ? lpszRelation : L"";
    const int nRelation = ct::TrimBlank(relation).empty() ? ct::kRelationNone : ct::RelationOfWord(relation);
    if (nField < 0 || nComparison < 0 || nRelation < 0) return -1;

    const std::vector<ct::ConditionField> fields = Fields();
    ct::ConditionTerm term;
    term.open = bOpen != FALSE;
    term.field = static_cast<size_t>(nField);
    term.comparison = static_cast<ct::Comparison>(nComparison);
    term.value = lpszValue ? lpszValue : L"";
    term.close = bClose != FALSE;
    term.relation = static_cast<ct::Relation>(nRelation);
    const int nItem = GetItemCount() - 1; // in front of the entry row
    WriteRow(nItem, ct::WriteCells(term, fields, Labels()), fields[term.field].type);
    if (m_nCurItem == nItem) { // the editors stay with the entry row
        ++m_nCurItem;
        MoveAllChild(m_nCurItem, 0, 1);
    }
    return nItem;
}

int CConditionListCtrl::SetSQLSelectString(LPCWSTR lpszSQL) {
    return LoadCondition(lpszSQL, {}, {});
}

int CConditionListCtrl::SetSQLSelectParams(LPCWSTR lpszSQL, const CStringArray& arrValues,
                                           const CUIntArray& arrTypes) {
    std::vector<std::wstring> values;
    for (INT_PTR i = 0; i < arrValues.GetSize(); ++i) values.push_back(arrValues[i].str());
    std::vector<int> types;
    for (INT_PTR i = 0; i < arrTypes.GetSize(); ++i) types.push_back(static_cast<int>(arrTypes[i]));
    return LoadCondition(lpszSQL, values, types);
}

CString CConditionListCtrl::GetSQLParseError(int* pnPos) const {
    if (pnPos) *pnPos = m_nParseErrorPos;
    return m_strParseError;
}

int CConditionListCtrl::LoadCondition(LPCWSTR lpszSQL, std::span<const std::wstring> values,
                                      std::span<const int> types) {
    if (!HasEditors()) { // no window, no field list, no rows to replace
        m_strParseError = L"the condition list has no window";
        m_nParseErrorPos = 0;
        return 0;
    }
    const std::vector<ct::ConditionField> fields = Fields();
    const ct::ParseOptions options{m_strNameOpen.view(), m_strNameClose.view(), values, types,
                                   m_strListSeparator.view()};
    const ct::ParseResult result = ct::ParseCondition(lpszSQL ? lpszSQL : L"", fields, options);
    if (!result.ok()) {
        m_strParseError = CString(ct::ParseErrorMessage(result.error.code));
        m_nParseErrorPos = static_cast<int>(result.error.pos);
        return 0;
    }
    m_strParseError.Empty();
    m_nParseErrorPos = -1;

    SetRedraw(FALSE);
    Clear(); // an edit in progress goes without being committed
    const ct::LabelSet labels = Labels();
    for (size_t i = 0; i < result.rows.size(); ++i) {
        ct::ConditionTerm term = result.rows[i];
        const int nType = fields[term.field].type;
        // A number read from SQL is shown as the user types one.
        if (listedit::TraitsOf(nType).editor == listedit::ValueEditor::Number)
            term.value = listedit::num::ReplacePoint(term.value, L'.', m_chDecimalSeparator);
        WriteRow(static_cast<int>(i), ct::WriteCells(term, fields, labels), nType);
    }
    SetRedraw(TRUE);
    return 1;
}

// ---- drawing --------------------------------------------------------------------------------------

void CConditionListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = m_host.RowHeight(m_host.FontHeight(), kLayout.rowMargin);
}

void CConditionListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    const int nSavedDC = pDC->SaveDC();

    LVITEMW lvi{};
    lvi.mask = LVIF_IMAGE | LVIF_STATE;
    lvi.iItem = nItem;
    lvi.stateMask = 0xFFFF;
    GetItem(&lvi);

    const BOOL bEnabled = IsWindowEnabled();
    if (!bEnabled) AfxMessageBeep(0xFFFF);
    const bool bFocus = m_host.HasFocus() != FALSE;
    const bool bHighlight = (lvi.state & LVIS_DROPHILITED) ||
                            ((lvi.state & LVIS_SELECTED) && (bFocus || (GetStyle() & LVS_SHOWSELALWAYS)));

    CRect rcBounds, rcLabel, rcIcon;
    GetItemRect(nItem, rcBounds, LVIR_BOUNDS);
    GetItemRect(nItem, rcLabel, LVIR_LABEL);
    GetItemRect(nItem, rcIcon, LVIR_ICON);
    CRect rcColumn(rcBounds);
    const CString strLabel = GetItemText(nItem, 0);
    const int nMargin = pDC->GetTextExtent(L" ", 1).cx * 2;

    // The band runs to the client's right edge, past the last column.
    CRect rcBand(rcBounds), rcClient;
    rcBand.left = rcLabel.left;
    GetClientRect(&rcClient);
    rcBand.right = std::max(rcBand.right, rcClient.right);

    const CListHost::CBand band =
        m_host.PaintBand(*pDC, rcBand, bHighlight, ::GetSysColor(bEnabled ? COLOR_HIGHLIGHT : COLOR_GRAYTEXT),
                         bEnabled ? GetBkColor() : ::GetSysColor(COLOR_MENU));

    rcColumn.right = rcColumn.left + GetColumnWidth(0);
    if (const UINT nStateImage = (lvi.state & LVIS_STATEIMAGEMASK) >> 12) {
        if (CImageList* pStateImages = GetImageList(LVSIL_STATE))
            pStateImages->Draw(pDC, static_cast<int>(nStateImage) - 1, rcColumn.TopLeft(), ILD_TRANSPARENT);
    }
    if (CImageList* pSmallImages = GetImageList(LVSIL_SMALL)) {
        pSmallImages->Draw(pDC, lvi.iImage, rcIcon.TopLeft(),
                           ILD_TRANSPARENT | (lvi.state & LVIS_OVERLAYMASK) | (bHighlight ? ILD_BLEND50 : 0));
    }

    rcLabel.left += nMargin / 2 - m_host.Scale(1);
    rcLabel.right -= nMargin;
    pDC->DrawText(strLabel, -1, rcLabel, DT_LEFT | kDrawTextFlags);

    LVCOLUMNW lvc{};
    lvc.mask = LVCF_FMT | LVCF_WIDTH;
    for (int nColumn = 1; GetColumn(nColumn, &lvc); ++nColumn) {
        rcColumn.left = rcColumn.right;
        rcColumn.right += lvc.cx;
        const CString strText = GetItemText(nItem, nColumn);
        UINT nJustify = DT_LEFT;
        switch (lvc.fmt & LVCFMT_JUSTIFYMASK) {
        case LVCFMT_RIGHT:
            nJustify = DT_RIGHT;
            break;
        case LVCFMT_CENTER:
            nJustify = DT_CENTER;
            break;
        default:
            break;
        }
        CRect rcText(rcColumn);
        rcText.left += nMargin;
        rcText.right -= nMargin;
        pDC->DrawText(strText, -1, rcText, nJustify | kDrawTextFlags);
    }

    m_host.FinishBand(*pDC, band, lvi.state);
    pDC->RestoreDC(nSavedDC);
}

// ---- input ----------------------------------------------------------------------------------------

void CConditionListCtrl::OnLButtonDown(UINT, CPoint point) {
    // The list's own handling never runs: a click neither selects a row nor focuses the list.
    if (!m_bHasFieldList || !HasEditors()) return;
    if (!InsertItemValue()) {
        AfxMessageBeep(0);
        m_pDataWnd->SetFocus();
        return;
    }
    LVHITTESTINFO hit{};
    hit.pt = point;
    SubItemHitTest(&hit);
    const int nCount = GetItemCount();
    if (hit.iItem != -1 && hit.iItem != nCount - 1) {
        m_nCurItem = hit.iItem;
        MoveAllChild(m_nCurItem, 1, 0);
        SetValue();
        const bool bColumn = hit.iSubItem >= 0 && hit.iSubItem < ct::kCellCount;
        (bColumn ? EditorsByColumn()[static_cast<size_t>(hit.iSubItem)] : m_pDataWnd)->SetFocus();
        return;
    }
    OpenEntryRow();
}

void CConditionListCtrl::OpenEntryRow() {
    m_nCurItem = GetItemCount() - 1;
    EnsureVisible(m_nCurItem, FALSE);
    MoveAllChild(m_nCurItem, 0, 0);
    m_cbLeftBracket.SetCurSel(0);
    m_cbFieldList.SetCurSel(-1);
    m_cbCondition.SetCurSel(0);
    m_pDataWnd->SetType(DWT_TEXT);
    m_pDataWnd->SetText(L"");
    m_cbRelation.SetCurSel(0);
    m_cbRightBracket.SetCurSel(0);
    NameEditors();
}

// ---- the keyboard alone and assistive tools -------------------------------------------------------

void CConditionListCtrl::NameEditors() {
    if (!HasEditors()) return;
    const auto columns = EditorsByColumn();
    for (size_t nColumn = 0; nColumn < columns.size(); ++nColumn) {
        if (columns[nColumn] == m_pDataWnd) continue;
        listedit::access::Overrides overrides;
        // Each box says its column's title as the header shows it now (labels may change).
        overrides.name = [hList = m_hWnd, nColumn]() -> std::optional<std::wstring> {
            return listedit::access::ColumnTitle(hList, static_cast<int>(nColumn));
        };
        // Tab and Enter are the row's while it is edited, in a dialog too.
        overrides.dlgCode = [](LRESULT lCode, const MSG* pMsg) -> LRESULT {
            if (pMsg && pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_TAB || pMsg->wParam == VK_RETURN))
                lCode |= DLGC_WANTMESSAGE;
            return lCode;
        };
        listedit::access::Override(columns[nColumn]->m_hWnd, std::move(overrides));
    }
    std::wstring strName = listedit::access::ColumnTitle(m_hWnd, ct::kValue);
    if (const int nField = m_cbFieldList.GetCurSel(); nField >= 0) {
        CString strField;
        m_cbFieldList.GetLBText(nField, strField);
        strName += L" " + strField.str();
    }
    m_pDataWnd->SetAccessibleName(strName.c_str());
}

int CConditionListCtrl::EditorColumnOf(HWND hWnd) {
    if (!HasEditors()) return -1;
    const auto columns = EditorsByColumn();
    for (size_t nColumn = 0; nColumn < columns.size(); ++nColumn)
        for (HWND h = hWnd; h && h != m_hWnd; h = ::GetParent(h))
            if (h == columns[nColumn]->m_hWnd) return static_cast<int>(nColumn);
    return -1;
}

void CConditionListCtrl::StepEditor(int nColumn, bool bForward) {
    const auto columns = EditorsByColumn();
    const int nCount = static_cast<int>(columns.size());
    for (int nStep = 1; nStep <= nCount; ++nStep) {
        const int nNext = ((nColumn + (bForward ? nStep : -nStep)) % nCount + nCount) % nCount;
        CWnd* pEditor = columns[static_cast<size_t>(nNext)];
        if (pEditor->GetStyle() & WS_VISIBLE) {
            pEditor->SetFocus();
            return;
        }
    }
}

void CConditionListCtrl::CommitAndOpenEntryRow() {
    if (!InsertItemValue()) {
        AfxMessageBeep(0);
        m_pDataWnd->SetFocus();
        return;
    }
    OpenEntryRow();
    const HWND hHadFocus = ::GetFocus();
    m_cbFieldList.SetFocus();
    // The same box on a new row: the system tells no tool, and the row it edits is another.
    if (hHadFocus == m_cbFieldList.m_hWnd)
        ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_cbFieldList.m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

std::unique_ptr<listedit::access::RowSource> CConditionListCtrl::MakeAccessibleRows(CWnd& owner) {
    class Rows final : public listedit::access::RowSource {
    public:
        explicit Rows(CConditionListCtrl& list) : RowSource(list.m_hWnd), m_list(list) {}
        listedit::access::AccessibleRow Row(int nRow) const override {
            CellReader reader(m_hList);
            std::vector<std::wstring> cells;
            for (int nCol = 0; nCol < ct::kCellCount; ++nCol) cells.emplace_back(reader.Read(nRow, nCol));
            listedit::access::AccessibleRow row;
            row.name = listedit::access::ReadCells(cells);
            row.selected = (m_list.GetItemState(nRow, LVIS_SELECTED) & LVIS_SELECTED) != 0;
            row.focused = nRow == FocusedRow();
            return row;
        }
        int FocusedRow() const override {
            const bool bEditing = m_list.HasEditors() && (m_list.m_cbFieldList.GetStyle() & WS_VISIBLE);
            const HWND hFocus = ::GetFocus();
            return listedit::access::FocusedRow(bEditing ? m_list.m_nCurItem : -1,
                                                hFocus && (hFocus == m_hList || ::IsChild(m_hList, hFocus)),
                                                hFocus == m_hList, m_list.GetNextItem(-1, LVNI_FOCUSED));
        }

    private:
        CConditionListCtrl& m_list;
    };
    return std::make_unique<Rows>(static_cast<CConditionListCtrl&>(owner));
}

BOOL CConditionListCtrl::PreTranslateMessage(MSG* pMsg) {
    const bool bOurs = pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd);
    if (!bOurs || !HasEditors()) return CListCtrl::PreTranslateMessage(pMsg);

    // Escape in an open drop-down list or calendar closes only that.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && m_nCurItem != -1 && !AnyDroppedDown()) {
        m_nCurItem = -1;
        HideAllChild();
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && m_bHasFieldList) {
        const auto vk = pMsg->wParam;
        // On the list itself: F2 or Enter opens the entry row at its field box.
        if (pMsg->hwnd == m_hWnd && (vk == VK_F2 || vk == VK_RETURN)) {
            CommitAndOpenEntryRow();
            return TRUE;
        }
        const int nColumn = m_nCurItem != -1 ? EditorColumnOf(pMsg->hwnd) : -1;
        if (nColumn != -1 && vk == VK_TAB) {
            for (CComboBox* pBox : Boxes())
                if (pBox->SendMessage(CB_GETDROPPEDSTATE)) pBox->SendMessage(CB_SHOWDROPDOWN, FALSE);
            m_pDataWnd->CloseDropDown();
            StepEditor(nColumn, ::GetKeyState(VK_SHIFT) >= 0);
            return TRUE;
        }
        // An open list or calendar takes Enter itself.
        if (nColumn != -1 && vk == VK_RETURN && !AnyDroppedDown()) {
            CommitAndOpenEntryRow();
            return TRUE;
        }
    }
    // Only the boxes themselves, not the edit inside a combo value editor.
    const auto boxes = Boxes();
    const bool bBox = std::any_of(boxes.begin(), boxes.end(),
                                  [&](const CComboBox* pBox) { return pBox->m_hWnd == pMsg->hwnd; });
    if (pMsg->message == WM_KEYDOWN && bBox && pMsg->wParam == VK_DELETE) DeleteCurrent();
    if (pMsg->message == WM_KEYDOWN && bBox && pMsg->wParam == VK_INSERT) Insert();

    // A right click on a box (or a check box) opens the list's menu at the cursor.
    if (pMsg->message == WM_RBUTTONDOWN && pMsg->hwnd != m_hWnd &&
        (::GetWindowLongPtrW(pMsg->hwnd, GWL_STYLE) & 0x3) == 0x3) {
        CPoint pt(pMsg->pt);
        ScreenToClient(&pt);
        pMsg->hwnd = m_hWnd;
        pMsg->lParam = MAKELPARAM(pt.x, pt.y);
    }
    return CListCtrl::PreTranslateMessage(pMsg);
}

void CConditionListCtrl::OnRButtonDown(UINT, CPoint point) {
    const bool bRow = m_nCurItem >= 0 && m_nCurItem < GetItemCount();
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | (bRow ? 0 : MF_GRAYED), ID_MENU_INSERT, m_labels.m_arrMenu[1]);
    menu.AppendMenu(MF_STRING | (bRow ? 0 : MF_GRAYED), ID_MENU_DELETE, m_labels.m_arrMenu[0]);
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | (GetItemCount() > 0 ? 0 : MF_GRAYED), ID_MENU_CLEAR, m_labels.m_arrMenu[2]);
    ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
    menu.DestroyMenu();
}

void CConditionListCtrl::OnCommandMenu(UINT nID) {
    switch (nID) {
    case ID_MENU_DELETE:
        DeleteCurrent();
        break;
    case ID_MENU_INSERT:
        Insert();
        break;
    case ID_MENU_CLEAR:
        Clear();
        break;
    default:
        break;
    }
}

BOOL CConditionListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    // Column widths are fixed: the editors sit at fixed positions over the columns.
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
    case HDN_DIVIDERDBLCLICKW:
    case HDN_DIVIDERDBLCLICKA:
        *pResult = 1;
        return TRUE;
    case HDN_ITEMCHANGEDW:
    case HDN_ITEMCHANGEDA: { // a width changed (SetColumnWidth, a change of DPI): the editors follow
        const BOOL bResult = CListCtrl::OnNotify(wParam, lParam, pResult);
        PlaceEditors();
        return bResult;
    }
    default:
        return CListCtrl::OnNotify(wParam, lParam, pResult);
    }
}

void CConditionListCtrl::FollowRow() {
    if (m_nCurItem == -1 || !HasEditors()) return;
    MoveAllChild(m_nCurItem, 0, 1);
    RedrawItems(std::max(m_nCurItem - 1, 0), std::min(m_nCurItem + 1, GetItemCount() - 1));
    if (CHeaderCtrl* pHeader = GetHeaderCtrl()) pHeader->Invalidate(TRUE);
}

void CConditionListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
    FollowRow();
}

BOOL CConditionListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
    const BOOL bResult = CListCtrl::OnMouseWheel(nFlags, zDelta, pt);
    FollowRow();
    return bResult;
}

LRESULT CConditionListCtrl::OnSetFont(WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = Default();
    for (CWnd* pEditor : Editors())
        if (pEditor && pEditor->GetSafeHwnd()) pEditor->SendMessage(WM_SETFONT, wParam, lParam);
    if (HasEditors()) { // the value editor is as tall as a closed box
        CRect rcBox, rcData;
        m_cbLeftBracket.GetWindowRect(&rcBox);
        m_pDataWnd->GetWindowRect(&rcData);
        m_pDataWnd->SetWindowPos(nullptr, 0, 0, rcData.Width(), rcBox.Height(),
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_host.RemeasureRows();
    return lResult;
}

void CConditionListCtrl::ResizeToColumns() {
    // Wide enough for the six columns and a vertical scroll bar.
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    if (::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & WS_CHILD) GetParent()->ScreenToClient(&rcWindow);
    GetClientRect(&rcClient);
    const UINT nDpi = AfxGetWindowDpi(m_hWnd);
    int nColumns = 0;
    for (const int width : kLayout.widths) nColumns += AfxScaleLength(width, nDpi);
    rcWindow.right += nColumns + ::GetSystemMetrics(SM_CXVSCROLL) - rcClient.Width();
    MoveWindow(&rcWindow, TRUE);
}

void CConditionListCtrl::PlaceEditors() {
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (!HasEditors() || !pHeader) return;
    const UINT nDpi = AfxGetWindowDpi(m_hWnd);
    CRect rcBox;
    m_cbLeftBracket.GetWindowRect(&rcBox);
    const auto editors = EditorsByColumn();
    for (size_t c = 0; c < editors.size(); ++c) {
        CRect rcItem, rc;
        if (!pHeader->GetItemRect(static_cast<int>(c), &rcItem)) continue;
        pHeader->MapWindowPoints(this, &rcItem);
        editors[c]->GetWindowRect(&rc);
        ScreenToClient(&rc);
        // A box's window height is its dropped height; the value editor is as tall as a closed box.
        const int nHeight =
            kLayout.dropHeights[c] ? AfxScaleLength(kLayout.dropHeights[c], nDpi) : rcBox.Height();
        editors[c]->SetWindowPos(nullptr, rcItem.left, rc.top, rcItem.Width(), nHeight,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT CConditionListCtrl::OnGetObject(WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    return m_host.OnGetObject(wParam, lParam, lResult) ? lResult : Default();
}

LRESULT CConditionListCtrl::OnColumnChange(WPARAM, LPARAM) {
    // A width set by code: the editors follow their columns at once.
    const LRESULT lResult = Default();
    PlaceEditors();
    return lResult;
}

LRESULT CConditionListCtrl::OnDpiChangedAfterParent(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    if (!HasEditors()) return lResult;
    ResizeToColumns();
    const UINT nDpi = AfxGetWindowDpi(m_hWnd);
    for (size_t c = 0; c < ct::kCellCount; ++c)
        SetColumnWidth(static_cast<int>(c), AfxScaleLength(kLayout.widths[c], nDpi));
    m_host.RemeasureRows();
    PlaceEditors();
    if (m_nCurItem != -1) MoveAllChild(m_nCurItem, 0, 1);
    Invalidate();
    return lResult;
}
