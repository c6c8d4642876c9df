// Which of a virtual list's records show, and in which rows.
#include <listedit/sortlist/RowView.h>

#include <algorithm>

namespace listedit::sortlist {

void RowView::ShowAll(std::size_t nRecords) {
    m_nRecords = nRecords;
    m_bFiltered = false;
    m_rows.clear();
    m_rows.shrink_to_fit();
}

void RowView::ShowOnly(std::size_t nRecords, std::vector<std::uint32_t> records) {
    m_nRecords = nRecords;
    m_bFiltered = true;
    m_rows = std::move(records);
}

std::ptrdiff_t RowView::RowOf(std::size_t record) const {
    if (record >= m_nRecords) return -1;
    if (!m_bFiltered) return static_cast<std::ptrdiff_t>(record);
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), record);
    return it != m_rows.end() && *it == record ? it - m_rows.begin() : -1;
}

std::size_t RowView::InsertionPoint(std::size_t row) const {
    return row < RowCount() ? RecordAt(row) : m_nRecords;
}

void RowView::Inserted(std::size_t row, std::size_t at, std::size_t count) {
    m_nRecords += count;
    if (!m_bFiltered) return;
    for (std::uint32_t& r : m_rows)
        if (r >= at) r += static_cast<std::uint32_t>(count);
    row = std::min(row, m_rows.size());
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(row), count, 0);
    for (std::size_t k = 0; k < count; ++k) m_rows[row + k] = static_cast<std::uint32_t>(at + k);
}

void RowView::Erased(std::size_t at) {
    if (at >= m_nRecords) return;
    --m_nRecords;
    if (!m_bFiltered) return;
    // The rows are ascending: the record's own row goes, and every later one moves down by one.
    auto it = std::lower_bound(m_rows.begin(), m_rows.end(), static_cast<std::uint32_t>(at));
    if (it != m_rows.end() && *it == at) it = m_rows.erase(it);
    for (; it != m_rows.end(); ++it) --*it;
}

void RowView::Reordered(std::span<const std::uint32_t> order) {
    if (!m_bFiltered) return;
    std::vector<bool> shown(m_nRecords);
    for (std::uint32_t r : m_rows) shown[r] = true;
    m_rows.clear();
    for (std::size_t i = 0; i < order.size(); ++i)
        if (shown[order[i]]) m_rows.push_back(static_cast<std::uint32_t>(i));
}

} // namespace listedit::sortlist
