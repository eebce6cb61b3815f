#pragma once

#include <cstdint>
#include <string>

namespace kiv {

// One named preset for the controlled window. A plain value: every field is
// read and written freely; a new setting holds empty texts and zeros.
struct CWindowSetting {
    std::string SettingName;
    std::string WindowClass; // "Class:" + class name, or a whole caption; "" = not chosen
    int32_t WindowLeft = 0;
    int32_t WindowTop = 0;
    int32_t WindowHeight = 0;
    int32_t WindowWidth = 0;
    int32_t OrbitRangeHorizontal = 0;
    int32_t OrbitRangeVertical = 0;
    int32_t OrbitInterval = 0; // seconds
    int32_t OrbitIncrement = 0;
    int16_t BlankingOn = 0; // check box value: 1 on, 0 off
    std::string HotKey;
    std::string ApplicationName;
    int32_t BlankingPadLeft = 0;
    int32_t BlankingPadRight = 0;
    int32_t BlankingPadTop = 0;
    int32_t BlankingPadBottom = 0;
    int16_t LockPosition = 0; // check box value: 1 on, 0 off
    std::string ItemKey;      // "C" + number inside its collection; never stored in the file

    bool operator==(const CWindowSetting&) const = default;

    // Every field but ItemKey, which a copy never takes over.
    CWindowSetting CopyWithoutKey() const {
        CWindowSetting copy = *this;
        copy.ItemKey.clear();
        return copy;
    }
};

} // namespace kiv
