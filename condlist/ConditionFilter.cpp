#include "condlist/ConditionFilter.h"

#include "condlist/ConditionParser.h"
#include "condlist/ConditionText.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace listedit::condlist {

namespace {

// Texts are UTF-16 here: a surrogate unit (which no UTF-32 text holds) is half of a pair.
bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
bool IsLowSurrogate(wchar_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

// The code point at i and the units it takes.
char32_t CodePointAt(std::wstring_view text, std::size_t i, std::size_t& units) {
    const std::wstring_view two = text.substr(i, 2);
    if (two.size() == 2 && IsHighSurrogate(two[0]) && IsLowSurrogate(two[1])) {
        units = 2;
        return 0x10000 + ((static_cast<char32_t>(two[0]) - 0xD800) << 10) +
               (static_cast<char32_t>(two[1]) - 0xDC00);
    }
    units = 1;
    return static_cast<char32_t>(two[0]);
}

char32_t FoldAscii(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

bool SameAsciiBlind(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return FoldAscii(static_cast<char32_t>(x)) == FoldAscii(static_cast<char32_t>(y));
           });
}

// A number's text as the database writes a floating-point value: 15 significant digits.
std::wstring NumberText(double value) {
    char narrow[40];
    const int n = std::snprintf(narrow, sizeof narrow, "%.15g", value + 0.0); // -0 writes as 0
    return std::wstring(narrow, narrow + std::clamp(n, 0, static_cast<int>(sizeof narrow) - 1));
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// The accepted three-way results of each comparison; Like and Not Like take a match as 0.
constexpr std::uint8_t kAccept[kComparisonCount] = {
    0b010, // =
    0b101, // <>
    0b100, // >
    0b001, // <
    0b110, // >=
    0b011, // <=
    0b010, // Like
    0b101, // Not Like
};

} // namespace

bool LikeMatches(std::wstring_view text, std::wstring_view pattern) {
    // Greedy with a return to the last %: a % that matched fewer characters is tried once more
    // with one more, so the work is at most the product of the lengths.
    std::size_t t = 0, p = 0;
    std::size_t starP = std::wstring_view::npos, starT = 0;
    while (t != text.size()) {
        std::size_t tUnits = 0, pUnits = 0;
        const char32_t c = CodePointAt(text, t, tUnits);
        if (p != pattern.size()) {
            const char32_t q = CodePointAt(pattern, p, pUnits);
            if (q == U'%') {
                starP = p += pUnits;
                starT = t;
                continue;
            }
            if (q == U'_' || FoldAscii(q) == FoldAscii(c)) {
                t += tUnits;
                p += pUnits;
                continue;
            }
        }
        if (starP == std::wstring_view::npos) return false;
        std::size_t skipped = 0;
        CodePointAt(text, starT, skipped);
        t = starT += skipped;
        p = starP;
    }
    while (p != pattern.size() && pattern[p] == L'%') ++p;
    return p == pattern.size();
}

int CompareCodePoints(std::wstring_view a, std::wstring_view b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ia == a.end() || ib == b.end()) return (ia != a.end()) - (ib != b.end());
    // In UTF-16 the surrogates (D800 to DFFF) stand for code points above every unit from E000 on.
    const auto key = [](wchar_t c) -> std::uint32_t {
        const auto u = static_cast<std::uint32_t>(c);
        if (u < 0xD800) return u;
        return u < 0xE000 ? u + 0x2000 : u - 0x800;
    };
    return static_cast<int>(key(*ia)) - static_cast<int>(key(*ib));
}

// The terms as the text writes them (parentheses, terms, relations), read with SQL's precedence
// into tests and jumps: each test leaves its result, an "and" skips the rest of its run of terms
// once a result is false and an "or" once one is true, so the result at the end is the condition's.
class ProgramCompiler {
public:
    ProgramCompiler(ConditionProgram& program, const Condition& condition,
                    std::span<const FieldColumn> columns)
        : m_program(program), m_condition(condition), m_columns(columns) {}

    bool Compile() {
        const std::size_t n = m_condition.terms.size();
        std::size_t open = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const ConditionTerm& term = m_condition.terms[i];
            const TermBrackets brackets = NextBrackets(term, i, n, open);
            if (brackets.open) m_tokens.push_back({Token::Open, 0});
            m_tokens.push_back({Token::Term, i});
            if (brackets.close) m_tokens.push_back({Token::Close, 0});
            if (i + 1 == n) break;
            const int relation = RelationOfWord(RelationWordOf(term));
            if (relation < 0) return false;
            m_tokens.push_back({relation == kRelationOr ? Token::Or : Token::And, 0});
        }
        m_tokens.insert(m_tokens.end(), open, {Token::Close, 0});
        if (m_tokens.empty()) return true;
        m_tokens.push_back({Token::End, 0});
        return Or() && At(Token::End);
    }

private:
    struct Token {
        enum Kind { Open, Close, Term, And, Or, End } kind;
        std::size_t term;
    };
    using Op = ConditionProgram::Op;

    // The tokens end in End, which no rule takes.
    bool At(Token::Kind kind) const { return m_tokens[m_next].kind == kind; }

    std::size_t Emit(Op op, std::size_t arg) {
        m_program.m_code.push_back({op, static_cast<std::uint32_t>(arg)});
        return m_program.m_code.size() - 1;
    }
    void Land(std::span<const std::size_t> jumps) {
        for (const std::size_t j : jumps)
            m_program.m_code[j].arg = static_cast<std::uint32_t>(m_program.m_code.size());
    }

    // or-run := and-run ("or" and-run)*
    bool Or() {
        std::vector<std::size_t> jumps;
        if (!And()) return false;
        while (At(Token::Or)) {
            ++m_next;
            jumps.push_back(Emit(Op::JumpIfTrue, 0));
            if (!And()) return false;
        }
        Land(jumps);
        return true;
    }
    // and-run := primary ("and" primary)*
    bool And() {
        std::vector<std::size_t> jumps;
        if (!Primary()) return false;
        while (At(Token::And)) {
            ++m_next;
            jumps.push_back(Emit(Op::JumpIfFalse, 0));
            if (!Primary()) return false;
        }
        Land(jumps);
        return true;
    }
    // primary := "(" or-run ")" | term; what follows "(" and a relation is always one of them.
    bool Primary() {
        if (At(Token::Open)) {
            ++m_next;
            if (!Or() || !At(Token::Close)) return false;
            ++m_next;
            return true;
        }
        const std::size_t term = m_tokens[m_next++].term;
        if (!AddTest(m_condition.terms[term])) return false;
        Emit(Op::Test, m_program.m_tests.size() - 1);
        return true;
    }

    bool AddTest(const ConditionTerm& term) {
        using Kind = ConditionProgram::Kind;
        const int comparison = ComparisonOfWord(ComparisonWordOf(term));
        if (comparison < 0) return false;
        const bool like = comparison == kLike || comparison == kNotLike;
        const ConditionField& field = m_condition.fields[term.field];
        const ValueTraits& traits = TraitsOf(field.type);

        ConditionProgram::Test& test = m_program.m_tests.emplace_back();
        test.accept = kAccept[comparison];
        test.listCode = traits.listCode;
        const auto column = ColumnOf(TrimBlank(field.name));
        if (!column) return true; // NULL: never holds
        test.column = *column;

        ValueOptions options;
        options.listSeparator = m_program.m_listSeparator;
        const std::wstring value = ParameterValue(TrimBlank(term.value), field.type, options);
        switch (traits.order) {
        case ValueOrder::Number:
            if (const auto number = datawnd::ReadNumber(value)) {
                test.kind = like ? Kind::NumberLike : Kind::Number;
                test.number = *number;
                if (like) test.text = NumberText(*number);
            }
            break;
        case ValueOrder::Date:
            // A day's ISO text holds no wildcard: Like is equality.
            if (const auto date = datawnd::ReadDate(value)) {
                test.kind = Kind::Date;
                test.day = datawnd::DaySerial(*date);
            }
            break;
        case ValueOrder::Text:
            test.kind = like ? Kind::TextLike : Kind::Text;
            test.text = value;
            break;
        }
        return true;
    }

    std::optional<std::size_t> ColumnOf(std::wstring_view name) const {
        for (const FieldColumn& c : m_columns)
            if (c.field == name) return c.column;
        for (const FieldColumn& c : m_columns)
            if (SameAsciiBlind(c.field, name)) return c.column;
        return std::nullopt;
    }

    ConditionProgram& m_program;
    const Condition& m_condition;
    std::span<const FieldColumn> m_columns;
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
};

ConditionProgram::ConditionProgram(const Condition& condition, std::span<const FieldColumn> columns,
                                   std::wstring_view listSeparator)
    : m_listSeparator(listSeparator) {
    if (!ProgramCompiler(*this, condition, columns).Compile()) {
        m_tests.clear();
        m_code.clear();
        m_valid = false;
    }
}

bool ConditionProgram::Holds(const Test& test, std::wstring_view text) const {
    int c = 0;
    switch (test.kind) {
    case Kind::Never:
        return false;
    case Kind::Number: {
        const auto number = datawnd::ReadNumber(text);
        if (!number) return false;
        c = (*number > test.number) - (*number < test.number);
        break;
    }
    case Kind::NumberLike: {
        const auto number = datawnd::ReadNumber(text);
        if (!number) return false;
        c = NumberText(*number) == test.text ? 0 : 1;
        break;
    }
    case Kind::Date: {
        const auto date = datawnd::ReadDate(text);
        if (!date) return false;
        const int day = datawnd::DaySerial(*date);
        c = (day > test.day) - (day < test.day);
        break;
    }
    case Kind::Text:
        c = Sign(
            CompareCodePoints(test.listCode ? datawnd::ListCode(text, m_listSeparator) : text, test.text));
        break;
    case Kind::TextLike:
        c = LikeMatches(test.listCode ? datawnd::ListCode(text, m_listSeparator) : text, test.text) ? 0 : 1;
        break;
    }
    return (test.accept >> (c + 1) & 1) != 0;
}

} // namespace listedit::condlist
