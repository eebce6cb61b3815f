#pragma once

#include <cstdint>
#include <string_view>

namespace kiv {

// The main window's setting list as the stores and commands see it: a sorted
// list whose entries carry a number. Setting the selected index runs the
// selection handling before it returns.
class ISettingList {
public:
    virtual ~ISettingList() = default;
    // Index of the first entry whose text equals `text`, letters compared
    // without regard to case; -1 when there is none.
    virtual int32_t FindStringExact(std::string_view text) const = 0;
    virtual int32_t ListCount() const = 0;
    virtual int32_t ItemData(int32_t index) const = 0;
    virtual void SetListIndex(int32_t index) = 0;
};

} // namespace kiv
