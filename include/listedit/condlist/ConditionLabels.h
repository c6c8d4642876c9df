// The words a condition list shows, and the labels its rows hold in their comparison and relation
// cells. The list shows its own Chinese words unless the application gives it others
// (CConditionListCtrl::SetLabels):
//
//     list.SetLabels(CConditionLabels::English());
//
// A row's label is read by its position in the list's active set, so labels of any kind (with or
// without the SQL word in parentheses) give the same SQL. An application that reads or writes the
// cells itself compares against the active labels; one that adds conditions from code passes the
// SQL word instead (CConditionListCtrl::AddCondition).
#pragma once
#include <listedit/frame/Arrays.h>

// The Chinese comparisons (column "条件"), in the order of the comparison box.
inline constexpr wchar_t CONDITION_EQUAL[] = L"等于(=)";
inline constexpr wchar_t CONDITION_NOT_EQUAL[] = L"不等于(<>)";
inline constexpr wchar_t CONDITION_GREATER[] = L"大于(>)";
inline constexpr wchar_t CONDITION_LESS[] = L"小于(<)";
inline constexpr wchar_t CONDITION_GREATER_EQUAL[] = L"大于等于(>=)";
inline constexpr wchar_t CONDITION_LESS_EQUAL[] = L"小于等于(<=)";
inline constexpr wchar_t CONDITION_LIKE[] = L"象(Like)";
inline constexpr wchar_t CONDITION_NOT_LIKE[] = L"不象(Not Like)";

// The Chinese relations to the next row (column "关系"), in the order of the relation box.
// RELATION_NONE joins like "and"; the last row's relation is never used.
inline constexpr wchar_t RELATION_NONE[] = L"无";
inline constexpr wchar_t RELATION_AND[] = L"与(and)";
inline constexpr wchar_t RELATION_OR[] = L"或(or)";

// Every word of a condition list: the six column titles, the eight comparisons (equal, not equal,
// greater, less, at least, at most, like, not like), the three relations (none, and, or) and the
// three menu entries (delete, insert, clear).
struct LISTEDIT_API CConditionLabels {
    CStringArray m_arrColumns;
    CStringArray m_arrComparisons;
    CStringArray m_arrRelations;
    CStringArray m_arrMenu;

    CConditionLabels() = default;
    CConditionLabels(const CConditionLabels& other);
    CConditionLabels& operator=(const CConditionLabels& other);

    // The list's own words, the default.
    static CConditionLabels Chinese();
    // "(", "Field", "Comparison", "Value", ")", "Relation"; "equal (=)" ... "not like (Not Like)";
    // "", "and", "or"; "Delete", "Insert", "Clear".
    static CConditionLabels English();
};
