#pragma once

#include "util/RuntimeError.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kiv {

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
        std::string key = "C" + std::to_string(mKeyCounter + 1);
        mItems.push_back(item);
        try {
            mKeys.push_back(key);
            mIndex.emplace(key, std::move(item));
        } catch (...) {
            // Out of memory part-way: leave the collection as it was.
            if (mKeys.size() == mItems.size()) {
                mKeys.pop_back();
            }
            mItems.pop_back();
            throw;
        }
        ++mKeyCounter;
        return key;
    }

    // By key; Invalid procedure call when the key is not there.
    const Pointer& Item(std::string_view key) const {
        auto it = mIndex.find(std::string(key));
        if (it == mIndex.end()) {
            Raise(ErrorNumber::InvalidProcedureCall);
        }
        return it->second;
    }

    // By 1-based position; Subscript out of range outside 1..Count.
    const Pointer& Item(int32_t position) const {
        if (position < 1 || static_cast<size_t>(position) > mItems.size()) {
            Raise(ErrorNumber::SubscriptOutOfRange);
        }
        return mItems[static_cast<size_t>(position) - 1];
    }

    bool Contains(std::string_view key) const { return mIndex.count(std::string(key)) != 0; }

    void Remove(std::string_view key) {
        Item(key);
        for (size_t i = 0; i < mKeys.size(); ++i) {
            if (mKeys[i] == key) {
                RemoveAt(i);
                return;
            }
        }
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
        mKeys.clear();
        mIndex.clear();
    }

    auto begin() const noexcept { return mItems.begin(); }
    auto end() const noexcept { return mItems.end(); }

private:
    void RemoveAt(size_t index) {
        mIndex.erase(mKeys[index]);
        mKeys.erase(mKeys.begin() + static_cast<std::ptrdiff_t>(index));
        mItems.erase(mItems.begin() + static_cast<std::ptrdiff_t>(index));
    }

    std::vector<Pointer> mItems;
    std::vector<std::string> mKeys; // parallel to mItems
    std::unordered_map<std::string, Pointer> mIndex;
    int16_t mKeyCounter = 0;
};

} // namespace kiv
