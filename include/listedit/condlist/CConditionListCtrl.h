// CConditionListCtrl: a report list in which the user composes a query condition row by row (left
// parenthesis, field, comparison, value, right parenthesis, relation to the next row), and from
// which the application reads back the text of an SQL condition.
//
//     CConditionListCtrl list;                          // or SubclassDlgItem + InsertAllColumn()
//     list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, IDC_QUERY);
//     CStringArray cities;                              // a list field compares by the code
//     cities.Add(L"01-North");                          // before its first "-"
//     list.AddFieldString(L"NAME", DWT_TEXT, nullptr);
//     list.AddFieldString(L"CITY", DWT_LIST, &cities);
//     ... the user composes rows ...
//     CString sql; CStringArray values; CUIntArray types;
//     if (list.GetSQLSelectParams(sql, values, types)) Bind(sql, values, types);
//     list.GetSQLSelectString(sql); Store(sql);         // a saved condition ...
//     list.SetSQLSelectString(Load());                   // ... shown again as rows
//
// Shape: the list always ends with one empty entry row; every row above it is a committed
// condition. The user clicks the entry row, picks a field (the other editors then appear), fills
// them in, and a click elsewhere (or a call to GetSQLSelectString or GetSQLSelectParams) commits
// the row: read the condition through those two, and what the user typed last is in it. Escape
// abandons the row being edited (while a list or calendar is open, it only closes that). The column
// titles, comparison and relation labels and menu entries are the control's own Chinese texts
// unless the application gives it its own (SetLabels); the Chinese ones need a font with CJK
// glyphs (see the README).
//
// The parent should be a framework window (CWnd), which sends the row-height request and the
// drawing requests back to the control; under another parent the list keeps its default row
// height.
//
// Choices where the behaviour would otherwise be open:
// - The entry row is protected: DeleteCurrent (the Delete key in a box, the menu's "删除") with the
//   entry row current only closes the editors, so the list never loses its last, empty row. Insert
//   with the entry row current adds a default condition just above it.
// - If InsertAllColumn fails (a column or an editor cannot be made) the columns and editors are
//   removed again and the control has no editors: clicks, keys and row operations then do
//   nothing, and the SQL text is empty. A later InsertAllColumn may try again.
// - The editors follow their row for every vertical scroll request and for the mouse wheel.
// - A click on a condition row outside the six columns puts the focus into the value editor.
// - Escape closes the editors only while a row is being edited; otherwise it goes on (to a
//   dialog, say).
// - A font set on the list (WM_SETFONT) reaches the editors, and the rows take its height.
// - Lengths are given at 96 dots per inch and follow the window's DPI: the column widths, the
//   rows' margin and the editors' dropped heights. On WM_DPICHANGED_AFTERPARENT the list lays
//   itself out for its top-level window's new DPI. The editors of the row being edited follow
//   their columns whenever a width changes (SetColumnWidth, a change of DPI).
// - Field-list members need the control's window: before it exists AddFieldString adds nothing.
#pragma once
#include <listedit/condlist/CConditionFilter.h>
#include <listedit/condlist/ConditionLabels.h>
#include <listedit/datawnd/CDataWnd.h>
#include <listedit/frame/Arrays.h>
#include <listedit/frame/CComboBox.h>
#include <listedit/frame/CListCtrl.h>
#include <listedit/frame/CListHost.h>

#include <array>
#include <span>
#include <string>
#include <vector>

namespace listedit::condlist {
struct LabelSet;
struct ValueOptions;
struct ConditionField;
struct Condition;
} // namespace listedit::condlist

class LISTEDIT_API CConditionListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CConditionListCtrl)
public:
    CConditionListCtrl();
    ~CConditionListCtrl() override;

    // ---- fields: name, type code (DWT_*) and the values offered for it ----
    // Appends a field; the control keeps its own copy of *pValues (null: no values). The name is
    // also the column name written into the SQL text.
    void AddFieldString(const wchar_t* lpszField, UINT nType, const CStringArray* pValues = nullptr);
    // Removes every field, and with them every condition row.
    void ClearFieldList();
    // Replaces the fields: field i is arrFields[i] with type arrTypes[i] and the value list that
    // arrValues[i] points to (null: none). A shorter arrTypes or arrValues raises
    // CInvalidArgException at the first missing index; the fields before it stay added.
    void SetFieldList(const CStringArray& arrFields, const CUIntArray& arrTypes, const CPtrArray& arrValues);
    // The same with each value list's address in a DWORD, which holds an address only below 4 GiB
    // (always in a 32-bit program, seldom in a 64-bit one): prefer the CPtrArray form.
#ifdef _WIN64
    [[deprecated("a DWORD cannot hold a 64-bit address: use SetFieldList(const CStringArray&, const "
                 "CUIntArray&, const CPtrArray&)")]]
#endif
    void
    SetFieldList(const CStringArray& arrFields, const CUIntArray& arrTypes, const CDWordArray& arrValues);
    // The same as triples (name, UINT type, const CStringArray* values) ending with a null name:
    //     list.SetFieldList(L"NAME", DWT_TEXT, nullptr, L"AGE", DWT_INTEGER, nullptr, nullptr);
    void SetFieldList(const wchar_t* lpszField, UINT nType, const CStringArray* pValues, ...);
    void GetFieldListArray(CStringArray& arrFields) const;
    // Field nIndex's type code and its own value list (changes to it reach the value editor the
    // next time it opens). An index that names no field raises CInvalidArgException.
    int GetFieldListItemType(int nIndex) const;
    CStringArray& GetFieldListItemValueArray(int nIndex) const;

    // ---- the condition ----
    // Commits the row being edited, then writes the condition (without WHERE) into strSQL: each
    // value copied unchanged between quotes for text, date, list (its code before the first "-")
    // and combo fields, bare for numbers and check states. Returns 1, or 0 with strSQL untouched
    // when the row being edited has an empty value.
    int GetSQLSelectString(CString& strSQL);
    // The same condition with a "?" for each value, and the values in order (list values cut at
    // their first "-", numbers and check states as their text) with each field's type code beside
    // them. Prefer it whenever the text goes to a database: bound values are only ever values,
    // while GetSQLSelectString splices what the user typed into the statement, so a quote in a
    // value breaks it and a value such as x' OR '1'='1 changes what it selects. The type codes let
    // numbers (DWT_NUMBER, DWT_INTEGER, DWT_NUMBER2, DWT_CHECK) be bound as numbers. Same result
    // and failure as GetSQLSelectString; arrays untouched on 0.
    int GetSQLSelectParams(CString& strSQL, CStringArray& arrValues, CUIntArray& arrTypes);
    // The same condition as a predicate over records in memory (see CConditionFilter), with this
    // list's list-code separator; the filter's column bindings stay as they were. Same result and
    // failure as GetSQLSelectString; the filter untouched on 0.
    int GetFilter(CConditionFilter& filter);
    // Off by default, so the text is written as it always was. On, a quote inside a quoted value is
    // doubled in GetSQLSelectString (O'Neil is written 'O''Neil'), so that a value can never end its
    // string early: turn it on when the text form goes to a database that reads '' as one quote
    // (the standard), and the text then reads back into the same rows (SetSQLSelectString).
    void EnableQuoteDoubling(BOOL bEnable = TRUE);
    // Writes every field name between lpszOpen and lpszClose in both forms, for names that are not
    // plain identifiers (a space, a reserved word): L"[" and L"]", or L"\"" and L"\"". Null or empty
    // lpszOpen: bare names (the default); null or empty lpszClose: lpszOpen on both sides.
    void SetFieldNameQuotes(LPCWSTR lpszOpen, LPCWSTR lpszClose);

    // ---- the words shown, dates and list codes ----
    // Replaces every word the list shows; the rows already there take the new labels. The SQL is
    // the same whatever the labels: a row's label is read by its position in the active set, and a
    // cell text in no set by what stands between its first "(" and its last character. Lists of
    // another length than 6, 8, 3 and 3 raise CInvalidArgException and change nothing.
    //     list.SetLabels(CConditionLabels::English());
    void SetLabels(const CConditionLabels& labels);
    const CConditionLabels& GetLabels() const;
    // On, date values are written YYYY-MM-DD, with leading zeros, in both forms (the text and the
    // bound values), so that dates a database holds as ISO text compare as the days do. Off by
    // default (year-month-day without leading zeros). Texts are read back in either form.
    void EnableIsoDates(BOOL bEnable = TRUE);
    // What separates a list entry's code from its text: the SQL takes what stands before the first
    // separator ("-" by default). An empty string (or null) takes the whole entry, for values such
    // as "Aix-en-Provence".
    void SetListCodeSeparator(LPCWSTR lpszSeparator);
    // The decimal separator number fields are typed and shown with (CDataWnd::SetDecimalSeparator),
    // '.' unless set. The SQL writes '.' whatever it is, and a condition read from text shows its
    // numbers with it.
    void SetDecimalSeparator(wchar_t chSeparator);
    void UseLocaleDecimalSeparator();

    // ---- conditions from code, and back from text ----
    // Adds a committed row in front of the entry row and returns its index: the field by its name
    // (in any case), the comparison as its SQL word ("=", "<>", ">", "<", ">=", "<=", "Like",
    // "Not Like", in any case), the value as the value cell holds it (a list field's whole entry),
    // the relation to the next row "and" or "or" (null: RELATION_NONE), and whether the row opens
    // or closes a parenthesis. An unknown field, comparison or relation adds nothing: -1.
    //     list.AddCondition(L"NAME", L"Like", L"Sm%", L"or", TRUE);
    //     list.AddCondition(L"CITY", L"=", L"01-North", nullptr, FALSE, TRUE);
    int AddCondition(LPCWSTR lpszField, LPCWSTR lpszComparison, LPCWSTR lpszValue,
                     LPCWSTR lpszRelation = nullptr, BOOL bOpen = FALSE, BOOL bClose = FALSE);
    // Replaces the condition rows by those a condition text describes, as GetSQLSelectString writes
    // it, and returns 1; an edit in progress is closed without being committed; an empty text
    // leaves the entry row alone. Field names are those of the field list (the longest that fits,
    // bare, in the quotes set with SetFieldNameQuotes, or in [ ], " " or ` `); each field's type
    // code decides how its value is read: text, date, list and combo values in single quotes (a
    // doubled quote is one quote; a list value by the code before the "-" of one of its entries),
    // others as numbers. Keywords are read in any case, blanks anywhere between tokens. A row
    // holds at most one "(" and one ")": text that needs more, or anything else outside what the
    // control writes, is refused with 0, and the rows and any edit in progress stay as they were
    // (GetSQLParseError tells why and where). Values are taken as text, as the editors take them.
    // Before the control has its window it takes nothing (0). Values are read as the control
    // writes them by default, whatever a subclass's GetStringByType writes.
    int SetSQLSelectString(LPCWSTR lpszSQL);
    // The same for the parameterized form, as GetSQLSelectParams gives it: each "?" takes the next
    // value, whose type code must be its field's; number values must be numbers; every value must
    // be used.
    int SetSQLSelectParams(LPCWSTR lpszSQL, const CStringArray& arrValues, const CUIntArray& arrTypes);
    // Why the last SetSQLSelectString or SetSQLSelectParams refused its text, for the user, and in
    // *pnPos the zero-based offset of the first character it could not take (for an unclosed quote
    // or parenthesis: where it opens; for left-over values: the text's length). After a text that
    // was taken: empty, and -1.
    CString GetSQLParseError(int* pnPos = nullptr) const;

    // ---- rows (each also reached through keys and the context menu) ----
    // Adds a default condition (first field, "等于(=)", empty value) at the row being edited and
    // opens the editors on it; nothing when no row is being edited.
    virtual void Insert();
    // Removes every condition row and closes the editors.
    virtual void Clear();
    // Deletes the condition row being edited (see the entry-row choice above).
    virtual void DeleteCurrent();
    // Makes the six columns, the editors and the entry row, once; returns 0 on failure. Called on
    // creation; call it yourself after subclassing a list from a dialog template.
    virtual int InsertAllColumn();

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // How a value is written into the text of GetSQLSelectString; override to change quoting.
    virtual CString GetStringByType(const wchar_t* lpszValue, int nType);
    virtual void HideAllChild();
    // Copies the editors into the row being edited (a new row when it is the entry row); 0 when the
    // value is empty, 1 otherwise (also when there is nothing to commit).
    virtual int InsertItemValue();
    // Loads the row being edited into the editors.
    virtual void SetValue();
    // Moves the editors to row nItem; shows all (or only the field box) unless bKeepVisibility.
    virtual void MoveAllChild(int nItem, int bShowAll, int bKeepVisibility);
    // The SQL word of a comparison or relation label with a space on each side (" = ", " and ").
    CString GetConditionString(const wchar_t* lpszCondition);

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PreSubclassWindow() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnDestroy();
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnColumnChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    void OnSelchangeFieldlist();
    void OnCommandMenu(UINT nID);

    int m_nCurItem = -1;          // the row the editors are on; -1 for none
    BOOL m_bHasFieldList = FALSE; // a field exists: left clicks open the editors
    CComboBox m_cbFieldList;      // 1002, column 1
    CComboBox m_cbCondition;      // 1003, column 2
    CComboBox m_cbRelation;       // 1005, column 5
    CComboBox m_cbLeftBracket;    // 1001, column 0
    CComboBox m_cbRightBracket;   // 1006, column 4
    CDataWnd* m_pDataWnd;         // 1004, column 3; deletes itself with its window
    BOOL m_bQuoteDoubling = FALSE;
    CString m_strNameOpen, m_strNameClose; // around field names in the text; empty: none
    CString m_strParseError;               // why the last text was refused; empty when taken
    int m_nParseErrorPos = -1;
    CConditionLabels m_labels; // the words shown; Chinese unless set
    BOOL m_bIsoDates = FALSE;
    CString m_strListSeparator; // between a list entry's code and its text
    wchar_t m_chDecimalSeparator = L'.';

private:
    template <class GetValues>
    void SetFieldListFrom(const CStringArray&, const CUIntArray&, const GetValues&);
    void ReleaseFieldRecords();
    bool HasEditors() const;
    bool AnyDroppedDown() const; // a box's list or the value's list or calendar is open
    void FollowRow();
    // The editors on the entry row, the field box alone shown and all set to their first entries.
    void OpenEntryRow();
    // Tells assistive tools what each editor edits: its column's title, the value editor also
    // its field.
    void NameEditors();
    // Which column's editor hWnd is or lies in; -1 for none.
    int EditorColumnOf(HWND hWnd);
    // Tab and Shift+Tab: the focus to the next or previous editor shown on the row, wrapping.
    void StepEditor(int nColumn, bool bForward);
    // Enter: commits the row as a click elsewhere does, then opens the entry row at its field box.
    void CommitAndOpenEntryRow();
    // Assistive tools: each condition row a child of the list's object, named by its cells.
    static std::unique_ptr<listedit::access::RowSource> MakeAccessibleRows(CWnd& owner);
    // A date field's value the user has not chosen: a fresh picker's today, on a row that held none.
    bool DateUnchosen();
    std::array<CWnd*, 6> Editors();         // in the order of their ids
    std::array<CWnd*, 6> EditorsByColumn(); // the editor of each column
    std::array<CComboBox*, 5> Boxes();
    // The model of the cells: the active labels, the fields, the rows read as terms.
    listedit::condlist::LabelSet Labels() const;
    listedit::condlist::ValueOptions WritingOptions() const;
    std::vector<listedit::condlist::ConditionField> Fields() const;
    listedit::condlist::Condition ReadRows();
    template <class Sink> int WriteCondition(Sink&& sink);
    void Relabel(const listedit::condlist::LabelSet& previous);
    // Layout at the window's DPI: the window as wide as its columns, the editors over the columns
    // of their row, the rows as tall as the font and the margin.
    void ResizeToColumns();
    void PlaceEditors();
    // Inserts a committed row at nItem with these cells and type code.
    void WriteRow(int nItem, const std::array<std::wstring, 6>& cells, int nType);
    // Replaces the rows by those a condition text describes.
    int LoadCondition(LPCWSTR lpszSQL, std::span<const std::wstring> values, std::span<const int> types);

    CListHost m_host{*this};

    DECLARE_MESSAGE_MAP()
};
