#pragma once

#include "platform/win32/Win32.h"

#include <optional>

namespace kiv::win32 {

// The item data of row `item` (0-based) of a list view.
LPARAM ListViewItemData(HWND listView, int item);

// Column sizing and sorting for a report-style list view whose rows each
// carry a distinct number as item data.
class CListViewEnh {
public:
    // The list view the operations work on.
    void SetListView(HWND listView) noexcept { mListView = listView; }

    // Every column as wide as the larger of its header and its contents.
    void AutoSizeColumns() const;
    // Sorts by `column` (0-based), ascending text order with letter case
    // ignored, and keeps sorting by it from now on.
    void HandleColumnClick(int column);
    // Puts the rows back in order after rows were added or changed; nothing
    // while no column was clicked.
    void KeepSorted() const;

private:
    void SortBy(int column) const;

    HWND mListView = nullptr;
    std::optional<int> mSortKey;
};

} // namespace kiv::win32
