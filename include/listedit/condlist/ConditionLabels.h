// The labels a condition list's rows hold in their comparison and relation cells, as its editors
// offer them. An application that reads or writes the cells itself compares against these; one
// that adds conditions from code passes the SQL word instead (CConditionListCtrl::AddCondition).
#pragma once

// Comparisons (column "条件"), in the order of the comparison box.
inline constexpr wchar_t CONDITION_EQUAL[] = L"等于(=)";
inline constexpr wchar_t CONDITION_NOT_EQUAL[] = L"不等于(<>)";
inline constexpr wchar_t CONDITION_GREATER[] = L"大于(>)";
inline constexpr wchar_t CONDITION_LESS[] = L"小于(<)";
inline constexpr wchar_t CONDITION_GREATER_EQUAL[] = L"大于等于(>=)";
inline constexpr wchar_t CONDITION_LESS_EQUAL[] = L"小于等于(<=)";
inline constexpr wchar_t CONDITION_LIKE[] = L"象(Like)";
inline constexpr wchar_t CONDITION_NOT_LIKE[] = L"不象(Not Like)";

// Relations to the next row (column "关系"), in the order of the relation box. RELATION_NONE joins
// like "and"; the last row's relation is never used.
inline constexpr wchar_t RELATION_NONE[] = L"无";
inline constexpr wchar_t RELATION_AND[] = L"与(and)";
inline constexpr wchar_t RELATION_OR[] = L"或(or)";
