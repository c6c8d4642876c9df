#include <listedit/condlist/CConditionFilter.h>

#include "condlist/ConditionFilter.h"

#include <algorithm>

namespace ct = listedit::condlist;

struct CConditionFilter::State {
    ct::Condition condition;
    std::vector<ct::FieldColumn> columns;
    std::wstring separator = L"-";
    ct::ConditionProgram program;
};

CConditionFilter::CConditionFilter() : m_pState(std::make_unique<State>()) {}
CConditionFilter::~CConditionFilter() = default;
// A moved-from filter holds no state: it matches every record until it is set again.
CConditionFilter::CConditionFilter(const CConditionFilter& other)
    : m_pState(other.m_pState ? std::make_unique<State>(*other.m_pState) : nullptr) {}
CConditionFilter& CConditionFilter::operator=(const CConditionFilter& other) {
    if (this != &other) m_pState = other.m_pState ? std::make_unique<State>(*other.m_pState) : nullptr;
    return *this;
}
CConditionFilter::CConditionFilter(CConditionFilter&&) noexcept = default;
CConditionFilter& CConditionFilter::operator=(CConditionFilter&&) noexcept = default;

CConditionFilter::State& CConditionFilter::Mutable() {
    if (!m_pState) m_pState = std::make_unique<State>();
    return *m_pState;
}

void CConditionFilter::SetCondition(const ct::Condition& condition) {
    Mutable().condition = condition;
    Compile();
}

void CConditionFilter::Bind(LPCWSTR lpszField, int nColumn) {
    const std::wstring_view name = lpszField ? lpszField : L"";
    auto& columns = Mutable().columns;
    std::erase_if(columns, [&](const ct::FieldColumn& c) { return c.field == name; });
    if (nColumn >= 0) columns.push_back({std::wstring(name), static_cast<size_t>(nColumn)});
    Compile();
}

void CConditionFilter::SetListCodeSeparator(LPCWSTR lpszSeparator) {
    Mutable().separator = lpszSeparator ? lpszSeparator : L"";
    Compile();
}

void CConditionFilter::Compile() {
    State& state = Mutable();
    state.program = ct::ConditionProgram(state.condition, state.columns, state.separator);
}

bool CConditionFilter::operator()(const CStringArray& texts) const {
    if (!m_pState) return true;
    const CString* pTexts = texts.GetData();
    return m_pState->program.Matches(static_cast<size_t>(texts.GetSize()),
                                     [pTexts](size_t c) { return pTexts[c].view(); });
}
