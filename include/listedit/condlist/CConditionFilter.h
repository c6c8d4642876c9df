// CConditionFilter: the condition a condition list composes, run on records in memory. It answers
// for one record's texts whether the condition holds, and selects exactly the rows an SQL database
// (SQLite's rules) selects with the list's GetSQLSelectParams statement over a table of the same
// values: number fields compare as numbers, date fields as days, text ordinally by code point;
// Like and Not Like read % and _ and are blind to case for A-Z only; list fields compare their
// code. A text that is not a number in a number field, or not a date in a date field, matches no
// comparison, as NULL does; so does a field bound to no column, or a column past the record's
// last text. The condition is compiled once, when it is set or bound, so running it on a record is
// cheap; copies are independent.
//
//     CConditionFilter filter;
//     filter.Bind(L"NAME", 0);      // the field NAME is column 0 of a record's texts
//     filter.Bind(L"AMOUNT", 2);
//     if (query.GetFilter(filter))  // the condition list's rows, committed first
//         list.SetFilter([filter](const CSortListCtrlEx::CItemData& row) { return filter(row.m_arrText); });
//
// With no condition every record matches. A comparison or relation word in a cell of the
// application's own that SQL does not know makes the condition match nothing, as a database
// refuses such a statement.
#pragma once
#include <listedit/frame/Arrays.h>

#include <memory>

namespace listedit::condlist {
struct Condition;
}

class LISTEDIT_API CConditionFilter {
public:
    CConditionFilter();
    ~CConditionFilter();
    CConditionFilter(const CConditionFilter& other);
    CConditionFilter& operator=(const CConditionFilter& other);
    CConditionFilter(CConditionFilter&& other) noexcept;
    CConditionFilter& operator=(CConditionFilter&& other) noexcept;

    // The condition as the condition list composes it (GetFilter calls this).
    void SetCondition(const listedit::condlist::Condition& condition);
    // Field lpszField (its name in the field list: exact, else blind to case for A-Z) is column
    // nColumn of a record's texts. A later Bind of the same name moves it; a negative column
    // unbinds it.
    void Bind(LPCWSTR lpszField, int nColumn);
    // What separates a list entry's code from its text, as the condition list has it ("-" by
    // default; empty or null: the whole entry is the code). GetFilter sets the list's own.
    void SetListCodeSeparator(LPCWSTR lpszSeparator);

    // Whether the record whose column texts these are matches.
    bool operator()(const CStringArray& texts) const;

private:
    struct State;
    std::unique_ptr<State> m_pState;
    State& Mutable();
    void Compile();
};
