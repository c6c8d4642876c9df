// Window-free run of a composed condition on records in memory: the terms compiled once into a
// flat program of tests and jumps, then run per record over the record's column texts.
//
// It selects the rows an SQL database selects with the condition's parameterized text over a
// table of the same values (SQLite's rules):
// - a number field's values are numbers (ReadNumber), a date field's calendar days (ReadDate);
//   a text that is neither is NULL, and NULL matches no comparison, Like or Not Like;
// - text compares ordinally by code point (UTF-8's byte order);
// - Like and Not Like take % for any run of characters and _ for one character, blind to case for
//   A-Z only; on a number both sides are compared as their text of 15 significant digits, on a day
//   Like is equality;
// - a list field compares the code of its entry (ListCode) on both sides;
// - "and" binds more tightly than "or", and the parentheses are those the text writes
//   (NextBrackets). A comparison or relation word the text would write that is none of SQL's
//   (a cell of the application's own) makes the condition select nothing, as a database refuses it.
// A field bound to no column, and a column past a record's last text, are NULL.
#pragma once
#include "condlist/ConditionModel.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listedit::condlist {

// Which column of a record holds a field: names compare exactly, or else blind to case for A-Z.
struct FieldColumn {
    std::wstring field;
    std::size_t column = 0;
};

// SQLite's LIKE without an escape character: % any run, _ one code point, A-Z blind to case.
bool LikeMatches(std::wstring_view text, std::wstring_view pattern);
// Texts by code point (a surrogate pair orders above every other UTF-16 unit): below, at or
// above 0.
int CompareCodePoints(std::wstring_view a, std::wstring_view b);

class ConditionProgram {
public:
    // No condition: every record matches.
    ConditionProgram() = default;
    ConditionProgram(const Condition& condition, std::span<const FieldColumn> columns,
                     std::wstring_view listSeparator = L"-");

    // Whether the record whose column c holds textAt(c), for c below columnCount, matches.
    template <class TextAt> bool Matches(std::size_t columnCount, TextAt&& textAt) const {
        bool result = m_code.empty() && m_valid;
        for (std::size_t pc = 0; pc < m_code.size();) {
            const Instruction& in = m_code[pc];
            switch (in.op) {
            case Op::Test: {
                const Test& test = m_tests[in.arg];
                result = test.column < columnCount && Holds(test, textAt(test.column));
                ++pc;
                break;
            }
            case Op::JumpIfFalse:
                pc = result ? pc + 1 : in.arg;
                break;
            case Op::JumpIfTrue:
                pc = result ? in.arg : pc + 1;
                break;
            }
        }
        return result;
    }
    bool Matches(std::span<const std::wstring> texts) const {
        return Matches(texts.size(), [&](std::size_t c) { return std::wstring_view(texts[c]); });
    }
    // False when the condition names a word SQL does not know: then nothing matches.
    bool IsValid() const { return m_valid; }

private:
    // How a term's column is read and compared.
    enum class Kind : std::uint8_t { Never, Number, NumberLike, Date, Text, TextLike };
    struct Test {
        Kind kind = Kind::Never;
        std::uint8_t accept = 0; // bit c+1 set: a three-way result c (<0, 0, >0; for Like 0 a match) holds
        bool listCode = false;
        std::size_t column = 0;
        double number = 0;
        int day = 0;
        std::wstring text; // the value's text, list code, pattern or number's text
    };
    enum class Op : std::uint8_t { Test, JumpIfFalse, JumpIfTrue };
    struct Instruction {
        Op op;
        std::uint32_t arg; // the test, or where to jump
    };

    bool Holds(const Test& test, std::wstring_view text) const;

    std::vector<Test> m_tests;
    std::vector<Instruction> m_code;
    std::wstring m_listSeparator = L"-";
    bool m_valid = true;

    friend class ProgramCompiler;
};

} // namespace listedit::condlist
