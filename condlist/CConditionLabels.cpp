// CConditionLabels: the words of a condition list, made from the window-free label sets.
#include <listedit/condlist/ConditionLabels.h>

#include "condlist/ConditionModel.h"

namespace {

template <class Strings> void Fill(CStringArray& array, const Strings& strings) {
    array.RemoveAll();
    for (const std::wstring& s : strings) array.Add(s.c_str());
}

CConditionLabels FromSet(const listedit::condlist::LabelSet& set) {
    CConditionLabels labels;
    Fill(labels.m_arrColumns, set.columns);
    Fill(labels.m_arrComparisons, set.comparisons);
    Fill(labels.m_arrRelations, set.relations);
    Fill(labels.m_arrMenu, set.menu);
    return labels;
}

} // namespace

CConditionLabels::CConditionLabels(const CConditionLabels& other) {
    *this = other;
}

CConditionLabels& CConditionLabels::operator=(const CConditionLabels& other) {
    m_arrColumns.Copy(other.m_arrColumns);
    m_arrComparisons.Copy(other.m_arrComparisons);
    m_arrRelations.Copy(other.m_arrRelations);
    m_arrMenu.Copy(other.m_arrMenu);
    return *this;
}

CConditionLabels CConditionLabels::Chinese() {
    return FromSet(listedit::condlist::ChineseLabels());
}

CConditionLabels CConditionLabels::English() {
    return FromSet(listedit::condlist::EnglishLabels());
}
