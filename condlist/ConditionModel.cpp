#include "condlist/ConditionModel.h"

#include <algorithm>

namespace listedit::condlist {

namespace {

constexpr std::wstring_view kComparisonWords[kComparisonCount] = {L"=",  L"<>", L">",    L"<",
                                                                  L">=", L"<=", L"Like", L"Not Like"};
constexpr std::wstring_view kRelationWords[kRelationCount] = {L"and", L"and", L"or"};

// What a label of no set names: between its first "(" and its last character.
std::wstring_view SpecifiedWord(std::wstring_view label) {
    if (label == L"无") return L"and";
    std::wstring_view word = label.substr(0, label.empty() ? 0 : label.size() - 1);
    const std::size_t open = word.find(L'(');
    if (open != std::wstring_view::npos) word.remove_prefix(open + 1);
    return word;
}

std::wstring Spaced(std::wstring_view word) {
    std::wstring result;
    result.reserve(word.size() + 2);
    result += L' ';
    result += word;
    result += L' ';
    return result;
}

template <std::size_t N> int PositionOf(const std::array<std::wstring, N>& labels, std::wstring_view cell) {
    cell = datawnd::TrimBlank(cell);
    const auto found = std::find_if(labels.begin(), labels.end(), [&](const std::wstring& label) {
        return datawnd::TrimBlank(label) == cell;
    });
    return found == labels.end() ? -1 : static_cast<int>(found - labels.begin());
}

} // namespace

std::wstring_view ComparisonWord(Comparison comparison) {
    return kComparisonWords[static_cast<std::size_t>(comparison)];
}

std::wstring_view RelationWord(Relation relation) {
    return kRelationWords[static_cast<std::size_t>(relation)];
}

std::wstring_view ComparisonWordOf(const ConditionTerm& term) {
    return term.otherComparison ? SpecifiedWord(*term.otherComparison) : ComparisonWord(term.comparison);
}

std::wstring_view RelationWordOf(const ConditionTerm& term) {
    return term.otherRelation ? SpecifiedWord(*term.otherRelation) : RelationWord(term.relation);
}

int LabelSet::ComparisonOf(std::wstring_view cell) const {
    return PositionOf(comparisons, cell);
}

int LabelSet::RelationOf(std::wstring_view cell) const {
    return PositionOf(relations, cell);
}

std::wstring LabelSet::WordOf(std::wstring_view label) const {
    if (const int c = ComparisonOf(label); c >= 0) return Spaced(ComparisonWord(static_cast<Comparison>(c)));
    if (const int r = RelationOf(label); r >= 0) return Spaced(RelationWord(static_cast<Relation>(r)));
    return ConditionWord(datawnd::TrimBlank(label));
}

const LabelSet& ChineseLabels() {
    static const LabelSet labels{{L"前括号", L"查询字段", L"条件", L"条件值", L"后括号", L"关系"},
                                 {L"等于(=)", L"不等于(<>)", L"大于(>)", L"小于(<)", L"大于等于(>=)",
                                  L"小于等于(<=)", L"象(Like)", L"不象(Not Like)"},
                                 {L"无", L"与(and)", L"或(or)"},
                                 {L"删除", L"插入", L"清除"}};
    return labels;
}

const LabelSet& EnglishLabels() {
    static const LabelSet labels{{L"(", L"Field", L"Comparison", L"Value", L")", L"Relation"},
                                 {L"equal (=)", L"not equal (<>)", L"greater (>)", L"less (<)",
                                  L"at least (>=)", L"at most (<=)", L"like (Like)", L"not like (Not Like)"},
                                 {L"", L"and", L"or"},
                                 {L"Delete", L"Insert", L"Clear"}};
    return labels;
}

std::wstring ConditionWord(std::wstring_view label) {
    return Spaced(SpecifiedWord(label));
}

ConditionTerm ReadCells(std::span<const std::wstring_view, kCellCount> cells, int type,
                        std::vector<ConditionField>& fields, const LabelSet& labels) {
    using datawnd::TrimBlank;
    ConditionTerm term;
    term.open = TrimBlank(cells[kLeftBracket]) == L"(";
    term.close = TrimBlank(cells[kRightBracket]) == L")";
    const auto field = std::find_if(fields.begin(), fields.end(), [&](const ConditionField& f) {
        return f.type == type && f.name == cells[kField];
    });
    term.field = static_cast<std::size_t>(field - fields.begin());
    if (field == fields.end()) fields.push_back({std::wstring(cells[kField]), type, {}});
    if (const int c = labels.ComparisonOf(cells[kComparison]); c >= 0)
        term.comparison = static_cast<Comparison>(c);
    else
        term.otherComparison = std::wstring(TrimBlank(cells[kComparison]));
    term.value = cells[kValue];
    if (const int r = labels.RelationOf(cells[kRelation]); r >= 0)
        term.relation = static_cast<Relation>(r);
    else
        term.otherRelation = std::wstring(TrimBlank(cells[kRelation]));
    return term;
}

std::array<std::wstring, kCellCount>
WriteCells(const ConditionTerm& term, std::span<const ConditionField> fields, const LabelSet& labels) {
    std::array<std::wstring, kCellCount> cells;
    cells[kLeftBracket] = term.open ? L"(" : L" ";
    cells[kField] = fields[term.field].name;
    cells[kComparison] =
        term.otherComparison.value_or(labels.comparisons[static_cast<std::size_t>(term.comparison)]);
    cells[kValue] = term.value;
    cells[kRightBracket] = term.close ? L")" : L" ";
    cells[kRelation] = term.otherRelation.value_or(labels.relations[static_cast<std::size_t>(term.relation)]);
    return cells;
}

} // namespace listedit::condlist
