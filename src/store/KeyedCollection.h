#pragma once

#include "util/RuntimeError.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// The key of the entry numbered `number`: "C" and the number.
inline std::string ItemKeyOf(int32_t number) {
    std::string key(1, 'C');
    key += std::to_string(number);
    return key;
}

// An ordered collection whose entries are shared objects stored under keys
// "C1", "C2", ... from a signed 16-bit counter that only ever counts up: it is
// not reset when the collection is cleared, and it overflows after 32767 keys.
template <typename T> class CKeyedCollection {
public:
    using Pointer = std::shared_ptr<T>;

    // Stores `item` under the next key and returns that key. Raises Overflow,
    // adding nothing, once the counter is exhausted.
    std::string Append(Pointer item) {
        if (mKeyCounter == std::numeric_limits<int16_t>::max()) {
            Raise(ErrorNumber::Overflow);
        }
        int16_t number = static_cast<int16_t>(mKeyCounter + 1);
        std::string key = ItemKeyOf(number);
        mItems.push_back(std::move(item));
        try {
            mNumbers.push_back(number);
        } catch (...) {
            // Out of memory part-way: leave the collection as it was.
            mItems.pop_back();
            throw;
        }
        mKeyCounter = number;
        return key;
    }

    // By key; Invalid procedure call when the key is not there.
    const Pointer& Item(std::string_view key) const {
        size_t index = IndexOf(key);
        if (index == kAbsent) {
            Raise(ErrorNumber::InvalidProcedureCall);
        }
        return mItems[index];
    }

    // By 1-based position; Subscript out of range outside 1..Count.
    const Pointer& Item(int32_t position) const {
        if (position < 1 || static_cast<size_t>(position) > mItems.size()) {
            Raise(ErrorNumber::SubscriptOutOfRange);
        }
        return mItems[static_cast<size_t>(position) - 1];
    }

    bool Contains(std::string_view key) const { return IndexOf(key) != kAbsent; }

    void Remove(std::string_view key) {
        Item(key);
        RemoveAt(IndexOf(key));
    }

    void Remove(int32_t position) {
        Item(position);
        RemoveAt(static_cast<size_t>(position) - 1);
    }

    int32_t Count() const noexcept { return static_cast<int32_t>(mItems.size()); }
    int16_t KeyCounter() const noexcept { return mKeyCounter; }

    // Empties the collection; the key counter carries on.
    void Clear() noexcept {
        mItems.clear();
        mNumbers.clear();
    }

    auto begin() const noexcept { return mItems.begin(); }
    auto end() const noexcept { return mItems.end(); }

private:
    static constexpr size_t kAbsent = static_cast<size_t>(-1);

    // A key is exactly "C" and its number's decimal text ("C01" and "c1" are
    // none). Numbers only grow as keys are added and removing keeps the order,
    // so mNumbers is sorted.
    size_t IndexOf(std::string_view key) const {
        if (key.size() < 2 || key.size() > 6 || key[0] != 'C' || key[1] == '0') {
            return kAbsent;
        }
        int32_t number = 0;
        for (char c : key.substr(1)) {
            if (c < '0' || c > '9') {
                return kAbsent;
            }
            number = number * 10 + (c - '0');
        }
        auto at = std::lower_bound(mNumbers.begin(), mNumbers.end(), number);
        return at != mNumbers.end() && *at == number ? static_cast<size_t>(at - mNumbers.begin())
                                                     : kAbsent;
    }

    void RemoveAt(size_t index) {
        mNumbers.erase(mNumbers.begin() + static_cast<std::ptrdiff_t>(index));
        mItems.erase(mItems.begin() + static_cast<std::ptrdiff_t>(index));
    }

    std::vector<Pointer> mItems;
    std::vector<int16_t> mNumbers; // of the keys, parallel to mItems
    int16_t mKeyCounter = 0;
};

} // namespace kiv
