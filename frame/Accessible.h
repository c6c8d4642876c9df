// The window system's accessibility interface for the controls: a list's rows as the children of
// its accessible object, an editor's own object with its name (and value, role, state) told by its
// owner, and the events an assistive tool's hook sees. Internal to the library.
//
// Objects never hold a pointer to a control: each call looks its window up again (or asks a
// source made for that call), so an object a tool keeps after the window has gone answers
// E_FAIL or the system's own reply and cannot reach freed memory.
#pragma once
#include <windows.h>
#include <oleacc.h>

#include "AccessibleRow.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace listedit::access {

static_assert(kStateSelected == STATE_SYSTEM_SELECTED && kStateFocused == STATE_SYSTEM_FOCUSED &&
              kStateChecked == STATE_SYSTEM_CHECKED && kStateReadOnly == STATE_SYSTEM_READONLY &&
              kStateFocusable == STATE_SYSTEM_FOCUSABLE && kStateSelectable == STATE_SYSTEM_SELECTABLE);

// What a list tells about its rows, made afresh for each call of its object. The list-view defaults
// cover the count, places, hit test and selection of any list-view window.
class RowSource {
public:
    explicit RowSource(HWND hList) : m_hList(hList) {}
    virtual ~RowSource() = default;
    virtual int RowCount() const;
    virtual AccessibleRow Row(int nRow) const = 0;
    // The row's rectangle in screen coordinates; false when it has none.
    virtual bool RowRect(int nRow, RECT& rcScreen) const;
    // The row under a screen point, -1 for none.
    virtual int RowAt(POINT ptScreen) const;
    // The row that has the focus, -1 for none: by default the list view's focused row while the
    // list has the focus. Row() says focused for this row alone.
    virtual int FocusedRow() const;
    virtual int FirstSelected() const;
    virtual void Select(int nRow, long flags) const;
    virtual LONG ListRole() const { return ROLE_SYSTEM_LIST; }
    virtual LONG RowRole() const { return ROLE_SYSTEM_LISTITEM; }
    HWND Window() const { return m_hList; }

protected:
    HWND m_hList;
};
using RowSourceFactory = std::function<std::unique_ptr<RowSource>()>;

// Answers WM_GETOBJECT: OBJID_CLIENT gets the rows' object, anything else the system's answer.
LRESULT AnswerRows(HWND hWnd, WPARAM wParam, LPARAM lParam, RowSourceFactory source);

// What an owner says of one window in place of the system's own object: each callback may give
// nothing, which leaves the system's answer.
struct Overrides {
    std::function<std::optional<std::wstring>()> name;
    std::function<std::optional<std::wstring>()> value;
    LONG role = 0; // 0: the system's
    std::function<LONG()> addState;
    // Given the system's WM_GETDLGCODE answer and the message asked about (may be null).
    std::function<LRESULT(LRESULT, const MSG*)> dlgCode;
};

// Answers WM_GETOBJECT for OBJID_CLIENT with the system's object of the window wrapped so that it
// says what the overrides say.
LRESULT AnswerOverridden(HWND hWnd, WPARAM wParam, LPARAM lParam, const Overrides& overrides);
// Makes hWnd answer WM_GETOBJECT that way from now on (its window procedure wrapped until it is
// destroyed); a second call replaces the overrides.
void Override(HWND hWnd, Overrides overrides);

// The text of the static control just before hWnd in its parent's order ('&' marks removed),
// which names an edit on a form; empty when there is none.
std::wstring LabelBefore(HWND hWnd);
// A list view's column title as its header shows it now, which names the column's editors.
std::wstring ColumnTitle(HWND hList, int nColumn);

// Raises an event for a row of a list (nRow -1: the list itself).
void RaiseRowEvent(DWORD event, HWND hList, int nRow);
// Raises an event for a list row the system's list view raises itself where it does so (selection,
// focus and state): only where it does not, so that a tool hears it once.
void RaiseItemEvent(DWORD event, HWND hList, int nRow);
// Whether this system's list view raises its own item events (found once per process).
bool ListViewRaisesItemEvents();

} // namespace listedit::access
