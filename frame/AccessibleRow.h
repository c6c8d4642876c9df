// What an assistive tool is told about one row of a list: its texts and its state. Window-free, so
// that each list family's reading of its rows is tested natively; frame/Accessible.h turns it into
// the window system's accessible object.
#pragma once
#include <string>
#include <vector>

namespace listedit::access {

// The window system's state bits a row can carry (the values of its STATE_SYSTEM_* constants).
enum RowStateBit : unsigned {
    kStateSelected = 0x2,
    kStateFocused = 0x4,
    kStateChecked = 0x10,
    kStateReadOnly = 0x40,
    kStateFocusable = 0x100000,
    kStateSelectable = 0x200000,
};

struct AccessibleRow {
    std::wstring name;
    std::wstring value; // said only where hasValue
    std::wstring description;
    bool hasValue = false;
    bool selected = false;
    bool focused = false;
    bool readOnly = false;
    bool checked = false;
};

// Every row can be focused and selected; the rest as the row says.
unsigned StateOf(const AccessibleRow& row);

// The row that carries the focus: the one being edited while the focus is in the list or its
// editor, else the list's own focused row while the list has the focus; -1 for none.
int FocusedRow(int nEdited, bool bFocusWithin, bool bListFocused, int nListFocused);

// A row's cells after the first, each after its column's title ("Price: 12, City: Paris"); an
// empty cell is left out, a column without a title gives its text alone.
std::wstring DescribeCells(const std::vector<std::wstring>& titles, const std::vector<std::wstring>& cells);

// The cells read one after the other, empty ones left out ("( NAME Equal to Bob ) and").
std::wstring ReadCells(const std::vector<std::wstring>& cells);

} // namespace listedit::access
