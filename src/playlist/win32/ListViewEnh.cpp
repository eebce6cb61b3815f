#include "playlist/win32/ListViewEnh.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <unordered_map>
#include <vector>

namespace kiv::win32 {

namespace {
constexpr int kSizeToFit = LVSCW_AUTOSIZE_USEHEADER; // -2

std::string ItemText(HWND listView, int item, int column) {
    std::string text(260, '\0');
    LVITEMA request{};
    request.iSubItem = column;
    request.pszText = text.data();
    request.cchTextMax = static_cast<int>(text.size());
    const auto length = ::SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
                                       reinterpret_cast<LPARAM>(&request));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, length)));
    return text;
}

int CALLBACK CompareRanks(LPARAM first, LPARAM second, LPARAM ranks) {
    const auto& rank = *reinterpret_cast<const std::unordered_map<LPARAM, int>*>(ranks);
    const auto a = rank.find(first);
    const auto b = rank.find(second);
    if (a == rank.end() || b == rank.end()) {
        return 0;
    }
    return a->second - b->second;
}
} // namespace

LPARAM ListViewItemData(HWND listView, int item) {
    LVITEMA request{};
    request.mask = LVIF_PARAM;
    request.iItem = item;
    ::SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request));
    return request.lParam;
}

void CListViewEnh::AutoSizeColumns() const {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(mListView, LVM_GETHEADER, 0, 0));
    const auto columns = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) {
        ::SendMessageA(mListView, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                       MAKELPARAM(static_cast<WORD>(kSizeToFit), 0));
    }
}

void CListViewEnh::HandleColumnClick(int column) {
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    mSortKey = column;
    SortBy(column);
    ::SetCursor(previous);
}

void CListViewEnh::KeepSorted() const {
    if (mSortKey) {
        SortBy(*mSortKey);
    }
}

void CListViewEnh::SortBy(int column) const {
    // The order is worked out here, where the texts can be read safely, and
    // the list view only moves its rows to the ranks found.
    const auto count = static_cast<int>(::SendMessageA(mListView, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> texts;
    std::vector<LPARAM> data;
    for (int item = 0; item < count; ++item) {
        texts.push_back(ItemText(mListView, item, column));
        data.push_back(ListViewItemData(mListView, item));
    }
    std::vector<size_t> order(texts.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, texts[a].c_str(), -1,
                                texts[b].c_str(), -1) == CSTR_LESS_THAN;
    });
    std::unordered_map<LPARAM, int> ranks;
    for (size_t rank = 0; rank < order.size(); ++rank) {
        ranks[data[order[rank]]] = static_cast<int>(rank);
    }
    ::SendMessageA(mListView, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&ranks),
                   reinterpret_cast<LPARAM>(&CompareRanks));
}

} // namespace kiv::win32
