// Which of a virtual list's records show, and in which rows: the records stay in their storage (in
// sort order); the shown rows are indices into it, ascending, all of them while nothing is
// filtered. Internal to the string-data lists (their filter lives here); window-free.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace listedit::sortlist {

class RowView {
public:
    // Every one of nRecords records shows, in storage order.
    void ShowAll(std::size_t nRecords);
    // Only these records (storage indices below nRecords, ascending) show.
    void ShowOnly(std::size_t nRecords, std::vector<std::uint32_t> records);

    std::size_t RecordCount() const { return m_nRecords; }
    std::size_t RowCount() const { return m_bFiltered ? m_rows.size() : m_nRecords; }
    bool IsFiltered() const { return m_bFiltered; }
    // The storage index of a shown row (below RowCount).
    std::size_t RecordAt(std::size_t row) const { return m_bFiltered ? m_rows[row] : row; }
    // The row that shows a record; -1 when it does not show.
    std::ptrdiff_t RowOf(std::size_t record) const;

    // Where in the storage records go that are to show from `row` on: before the record of that
    // row, after every record when it is past the last row.
    std::size_t InsertionPoint(std::size_t row) const;
    // `count` records were put into the storage at `at` (from InsertionPoint(row)); they show from
    // `row` on.
    void Inserted(std::size_t row, std::size_t at, std::size_t count);
    // The record at storage index `at` is gone, whether it showed or not.
    void Erased(std::size_t at);
    // The storage was put in a new order: order[i] is the former index of the record now at i. The
    // same records show, in the new order.
    void Reordered(std::span<const std::uint32_t> order);

private:
    std::size_t m_nRecords = 0;
    bool m_bFiltered = false;
    std::vector<std::uint32_t> m_rows; // while filtered: the storage index of each row
};

} // namespace listedit::sortlist
