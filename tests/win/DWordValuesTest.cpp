// A 32-bit program hands value lists over in CDWordArray entries, each holding a list's address as
// the CPtrArray form's entries do: the property list's rows and the condition list's fields take
// their lists from them.
#include "ListFixtures.h"

#include <string>
#include <vector>

using namespace harness;

namespace {

static_assert(sizeof(DWORD) == sizeof(void*), "built only where a DWORD holds an address");

struct FieldList : CConditionListCtrl {
    using CConditionListCtrl::m_cbFieldList;
};

TEST_F(WindowTest, DWordArrayEntriesCarryValueLists) {
    CStringArray colours, sizes;
    colours.Add(L"red"), colours.Add(L"green"), sizes.Add(L"S");
    const struct Row {
        LPCWSTR name;
        UINT type;
        const CStringArray* pValues; // null: none
    } rows[] = {{L"colour", DWT_LIST, &colours}, {L"note", DWT_TEXT, nullptr}, {L"size", DWT_COMBO, &sizes}};
    CStringArray names;
    CUIntArray types;
    CDWordArray values;
    for (const Row& row : rows)
        names.Add(row.name), types.Add(row.type), values.Add(reinterpret_cast<DWORD>(row.pValues));

    CPropertyListCtrl props;
    FieldList fields;
    ASSERT_TRUE(props.Create(WS_CHILD, Rect(0, 0, 200, 100), &host, 3));
    ASSERT_TRUE(fields.Create(WS_CHILD, Rect(0, 0, 300, 100), &host, 4));
    props.InsertItem(names, types, values);
    fields.SetFieldList(names, types, values);
    ASSERT_EQ(props.GetItemCount(), 3);
    ASSERT_EQ(fields.m_cbFieldList.GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const std::vector<std::wstring> expected =
            rows[i].pValues ? Strings(*rows[i].pValues) : std::vector<std::wstring>{};
        const auto* pRow = reinterpret_cast<const CPropertyListCtrlItemData*>(props.GetItemData(i));
        const auto* pField = reinterpret_cast<const CFieldItemData*>(fields.m_cbFieldList.GetItemData(i));
        ASSERT_TRUE(pRow && pField);
        EXPECT_EQ(pRow->m_nType, rows[i].type);
        EXPECT_EQ(Strings(pRow->m_arrValue), expected);
        EXPECT_EQ(pField->m_nType, rows[i].type);
        EXPECT_EQ(Strings(pField->m_arrValues), expected);
    }
}

} // namespace
