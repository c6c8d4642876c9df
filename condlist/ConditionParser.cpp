#include "condlist/ConditionParser.h"

#include <algorithm>
#include <array>

namespace listedit::condlist {

namespace {

// Quotes a field name may stand in whatever the list's own setting is.
constexpr std::array<std::array<std::wstring_view, 2>, 3> kNameQuotes = {
    {{L"[", L"]"}, {L"\"", L"\""}, {L"`", L"`"}}};

wchar_t Fold(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Letters, digits and "_" continue a name or keyword; so does anything past ASCII but blanks.
bool IsWordChar(wchar_t c) {
    const wchar_t f = Fold(c);
    return c == L'_' || (c >= L'0' && c <= L'9') || (f >= L'a' && f <= L'z') || (c >= 0x80 && !IsBlank(c));
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Fold(text[i]) != Fold(prefix[i])) return false;
    return true;
}

// The end of an unsigned or signed decimal number (digits with at most one point) starting at
// pos, or pos when there is none.
std::size_t NumberEnd(std::wstring_view text, std::size_t pos) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) ++i;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= L'0' && text[i] <= L'9') {
            digits = true;
        } else if (text[i] == L'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return digits ? i : pos;
}

bool IsNumber(std::wstring_view text) {
    return !text.empty() && NumberEnd(text, 0) == text.size();
}

class Reader {
public:
    Reader(std::wstring_view text, std::span<const ParseField> fields, const ParseOptions& options)
        : m_text(text), m_fields(fields), m_options(options) {
        // Longest names first, so that "Order Date" is taken before "Order".
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (!TrimBlank(fields[i].name).empty()) m_byLength.push_back(i);
        std::stable_sort(m_byLength.begin(), m_byLength.end(), [&](std::size_t a, std::size_t b) {
            return TrimBlank(fields[a].name).size() > TrimBlank(fields[b].name).size();
        });
    }

    ParseResult Run() {
        SkipBlanks();
        std::vector<std::size_t> openAt; // where each still open parenthesis stands
        std::vector<std::size_t> closeAt;
        while (!AtEnd()) {
            ParsedRow row;
            const std::size_t openPos = m_pos;
            if (Peek() == L'(') {
                row.open = true;
                ++m_pos;
                SkipBlanks();
                if (Peek() == L'(') return Fail(ParseErrorCode::kSecondOpen, m_pos);
            }
            if (!ReadField(row.field) || !ReadComparison(row.comparison) || !ReadValue(row)) return Failed();

            closeAt.clear();
            while (Peek() == L')') {
                closeAt.push_back(m_pos++);
                SkipBlanks();
            }
            std::size_t first = 0; // "(" term ")" is the plain term
            if (row.open && !closeAt.empty()) {
                row.open = false;
                first = 1;
            }
            if (row.open) openAt.push_back(openPos);
            const std::size_t closes = closeAt.size() - first;
            const bool last = AtEnd();
            if (closes > 1 && !last) return Fail(ParseErrorCode::kSecondClose, closeAt[first + 1]);
            if (closes > openAt.size())
                return Fail(ParseErrorCode::kStrayClose, closeAt[first + openAt.size()]);
            openAt.resize(openAt.size() - closes);
            row.close = closes > 0;
            if (last && !openAt.empty()) return Fail(ParseErrorCode::kUnclosedOpen, openAt.front());
            if (!last && !ReadRelation(row.relation)) return Failed();
            m_result.rows.push_back(std::move(row));
            if (!last && AtEnd()) return Fail(ParseErrorCode::kExpectedField, m_pos);
        }
        if (m_nextParameter < m_options.parameters.size())
            return Fail(ParseErrorCode::kExtraParameters, m_text.size());
        return std::move(m_result);
    }

    // A whole text that is one comparison or one relation (blanks around it allowed), or -1.
    int WholeComparison() {
        Comparison comparison = kEqual;
        SkipBlanks();
        return ReadComparison(comparison) && AtEnd() ? comparison : -1;
    }
    int WholeRelation() {
        Relation relation = kRelationNone;
        SkipBlanks();
        return ReadRelation(relation) && AtEnd() ? relation : -1;
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }
    wchar_t Peek() const { return AtEnd() ? L'\0' : m_text[m_pos]; }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(m_text[m_pos])) ++m_pos;
    }
    std::wstring_view Rest(std::size_t pos) const { return m_text.substr(std::min(pos, m_text.size())); }

    bool SetError(ParseErrorCode code, std::size_t pos) {
        m_result.error = {code, pos};
        return false;
    }
    ParseResult Fail(ParseErrorCode code, std::size_t pos) {
        SetError(code, pos);
        return Failed();
    }
    ParseResult Failed() {
        m_result.rows.clear();
        return std::move(m_result);
    }

    // A keyword in any case that no further letter continues; taken when it stands at m_pos.
    bool ReadKeyword(std::wstring_view keyword) {
        const std::wstring_view rest = Rest(m_pos);
        if (!StartsWithNoCase(rest, keyword) ||
            (rest.size() > keyword.size() && IsWordChar(rest[keyword.size()])))
            return false;
        m_pos += keyword.size();
        return true;
    }

    // The longest field name standing at pos, followed by close when one is given or else not
    // running on into a longer word; a name in its exact case wins over one of the same length in
    // another case. Returns the end of what was taken, or 0.
    std::size_t MatchName(std::size_t pos, std::wstring_view close, std::size_t& field) const {
        const std::wstring_view rest = Rest(pos);
        std::size_t found = 0, length = 0;
        bool exact = false;
        for (const std::size_t i : m_byLength) {
            const std::wstring_view name = TrimBlank(m_fields[i].name);
            if (found && name.size() < length) break;
            if (!StartsWithNoCase(rest, name)) continue;
            const std::wstring_view after = rest.substr(name.size());
            const bool ends = close.empty()
                                  ? after.empty() || !IsWordChar(name.back()) || !IsWordChar(after.front())
                                  : after.starts_with(close);
            if (!ends || (found && (exact || rest.substr(0, name.size()) != name))) continue;
            found = pos + name.size() + close.size();
            length = name.size();
            exact = rest.substr(0, name.size()) == name;
            field = i;
        }
        return found;
    }

    bool ReadField(std::size_t& field) {
        const std::size_t start = m_pos;
        if (AtEnd()) return SetError(ParseErrorCode::kExpectedField, start);
        const std::wstring_view rest = Rest(start);
        bool quoted = false;
        auto tryQuotes = [&](std::wstring_view open, std::wstring_view close) {
            if (open.empty() || !rest.starts_with(open)) return std::size_t{0};
            quoted = true;
            return MatchName(start + open.size(), close.empty() ? open : close, field);
        };
        std::size_t end = tryQuotes(m_options.nameOpen, m_options.nameClose);
        for (const auto& quotes : kNameQuotes)
            if (!end) end = tryQuotes(quotes[0], quotes[1]);
        if (!end) end = MatchName(start, {}, field);
        if (!end)
            return SetError(quoted || IsWordChar(Peek()) ? ParseErrorCode::kUnknownField
                                                         : ParseErrorCode::kExpectedField,
                            start);
        m_pos = end;
        SkipBlanks();
        return true;
    }

    bool ReadComparison(Comparison& comparison) {
        struct Symbol {
            std::wstring_view text;
            Comparison comparison;
        };
        // Two-character operators before their one-character beginnings.
        static constexpr Symbol kSymbols[] = {{L"<>", kNotEqual}, {L"<=", kLessEqual}, {L">=", kGreaterEqual},
                                              {L"<", kLess},      {L">", kGreater},    {L"=", kEqual}};
        const std::size_t start = m_pos;
        const auto symbol = std::find_if(std::begin(kSymbols), std::end(kSymbols),
                                         [&](const Symbol& s) { return Rest(start).starts_with(s.text); });
        if (symbol != std::end(kSymbols)) {
            comparison = symbol->comparison;
            m_pos += symbol->text.size();
        } else if (ReadKeyword(L"like")) {
            comparison = kLike;
        } else if (ReadKeyword(L"not") && (SkipBlanks(), ReadKeyword(L"like"))) {
            comparison = kNotLike;
        } else {
            return SetError(ParseErrorCode::kExpectedComparison, start);
        }
        SkipBlanks();
        return true;
    }

    bool ReadRelation(Relation& relation) {
        if (ReadKeyword(L"and")) {
            relation = kRelationAnd;
        } else if (ReadKeyword(L"or")) {
            relation = kRelationOr;
        } else {
            return SetError(ParseErrorCode::kExpectedRelation, m_pos);
        }
        SkipBlanks();
        return true;
    }

    // A value as the row's cell holds it: a list field's value is found among its entries.
    bool TakeValue(const ParseField& field, std::wstring_view raw, std::size_t pos, std::wstring& value) {
        if (TraitsOf(field.type).listCode) {
            const auto entry =
                std::find_if(field.values.begin(), field.values.end(), [&](const std::wstring& e) {
                    return datawnd::ListCode(e, m_options.listSeparator) == raw;
                });
            if (entry != field.values.end()) {
                value = *entry;
                return true;
            }
            if (!raw.empty()) return SetError(ParseErrorCode::kNotInList, pos);
        } else if (TraitsOf(field.type).editor == ValueEditor::Date) {
            // As the date editor gives it back, whether the text has leading zeros or not.
            if (const auto date = datawnd::ReadDate(raw)) {
                value = datawnd::FormatDateText(*date);
                return true;
            }
        } else if (!IsQuotedType(field.type) && !IsNumber(raw)) {
            return SetError(ParseErrorCode::kExpectedNumber, pos);
        }
        value = raw;
        return true;
    }

    bool ReadValue(ParsedRow& row) {
        const ParseField& field = m_fields[row.field];
        const std::size_t start = m_pos;
        if (AtEnd()) return SetError(ParseErrorCode::kExpectedValue, start);
        bool ok = true;
        if (Peek() == L'?') {
            const std::size_t i = m_nextParameter++;
            if (i >= m_options.parameters.size()) return SetError(ParseErrorCode::kNoParameter, start);
            if (i >= m_options.parameterTypes.size() || m_options.parameterTypes[i] != field.type)
                return SetError(ParseErrorCode::kParameterType, start);
            ++m_pos;
            ok = TakeValue(field, m_options.parameters[i], start, row.value);
        } else if (IsQuotedType(field.type)) {
            if (Peek() != L'\'') return SetError(ParseErrorCode::kExpectedText, start);
            std::wstring raw;
            for (std::size_t from = start + 1;;) {
                const std::size_t quote = m_text.find(L'\'', from);
                if (quote == std::wstring_view::npos) return SetError(ParseErrorCode::kUnclosedQuote, start);
                raw += m_text.substr(from, quote - from);
                m_pos = quote + 1;
                if (Peek() != L'\'') break;
                raw += L'\''; // a doubled quote is one quote of the value
                from = quote + 2;
            }
            ok = TakeValue(field, raw, start, row.value);
        } else {
            const std::size_t end = NumberEnd(m_text, start);
            if (end == start) return SetError(ParseErrorCode::kExpectedNumber, start);
            m_pos = end;
            if (!AtEnd() && !IsBlank(Peek()) && Peek() != L')')
                return SetError(ParseErrorCode::kExpectedNumber, end);
            row.value = m_text.substr(start, end - start);
        }
        SkipBlanks();
        return ok;
    }

    std::wstring_view m_text;
    std::span<const ParseField> m_fields;
    const ParseOptions& m_options;
    std::vector<std::size_t> m_byLength;
    std::size_t m_pos = 0;
    std::size_t m_nextParameter = 0;
    ParseResult m_result;
};

} // namespace

std::wstring_view ComparisonLabel(Comparison comparison, const LabelSet& labels) {
    return labels.comparisons[static_cast<std::size_t>(comparison)];
}

std::wstring_view RelationLabel(Relation relation, const LabelSet& labels) {
    return labels.relations[static_cast<std::size_t>(relation)];
}

int ComparisonOfWord(std::wstring_view word) {
    const ParseOptions options;
    return Reader(word, {}, options).WholeComparison();
}

int RelationOfWord(std::wstring_view word) {
    const ParseOptions options;
    return Reader(word, {}, options).WholeRelation();
}

std::wstring ParseErrorMessage(ParseErrorCode code) {
    // By ParseErrorCode.
    static constexpr std::wstring_view kMessages[] = {
        L"",
        L"a field name is missing",
        L"the field is not in the field list",
        L"expected a comparison: =, <>, >, <, >=, <=, Like or Not Like",
        L"the value is missing",
        L"the field takes its value in single quotes",
        L"the field takes a number",
        L"the quoted value is not closed",
        L"the value is not in the field's list",
        L"no value is left for this placeholder",
        L"the value for this placeholder has another type code than its field",
        L"there are more values than placeholders",
        L"expected and, or, or the end of the condition",
        L"a condition opens one parenthesis at most",
        L"only the last condition closes more than one parenthesis",
        L"the parenthesis closes nothing",
        L"the parenthesis is not closed",
    };
    static_assert(std::size(kMessages) == static_cast<std::size_t>(ParseErrorCode::kUnclosedOpen) + 1);
    return std::wstring(kMessages[static_cast<std::size_t>(code)]);
}

ParseResult ParseCondition(std::wstring_view text, std::span<const ParseField> fields,
                           const ParseOptions& options) {
    return Reader(text, fields, options).Run();
}

} // namespace listedit::condlist
