#pragma once
// The rules the three tone dialogs share.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace ToneDialogRules {
inline constexpr int kTimerId = 1;
inline constexpr int kTickMs = 250;
inline constexpr std::int32_t kSilence = -10000;
inline constexpr std::int32_t kStep = 50;
inline constexpr long kPanLeft = -10000;
inline constexpr long kPanRight = 10000;

// 10 dB below the calibration level, never below silence.
inline std::int32_t BaseLevel(std::int32_t normalNull) {
    const std::int64_t base = static_cast<std::int64_t>(normalNull) - 1000;
    return base > kSilence ? static_cast<std::int32_t>(base) : kSilence;
}

// Start level from the document's value at the frequency; no upper bound.
inline std::int32_t StartLevelFromDoc(std::int32_t normalNull, std::int32_t docValue) {
    const std::int64_t d = static_cast<std::int64_t>(BaseLevel(normalNull)) - docValue;
    return d <= kSilence ? kSilence
                         : static_cast<std::int32_t>(std::min<std::int64_t>(d, INT32_MAX));
}

// Calibration level minus the level reached: the value a recognition records.
inline std::int32_t Recorded(std::int32_t normalNull, std::int32_t level) {
    const std::int64_t v = static_cast<std::int64_t>(normalNull) - level;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// One ramp step up; a start level far above full scale cannot wrap round to silence.
inline std::int32_t Raised(std::int32_t level) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{level} + kStep, INT32_MAX));
}

inline long PanFor(int side) {
    return side == 1 ? kPanRight : kPanLeft;
}

// "Links" or "Rechts".
std::string SideName(int side);
// The printf fields of a string-table text ("%d", "%s", "%.1f", ...) filled in order with
// texts the caller formatted.
std::string Fill(const std::string& pattern, std::initializer_list<std::string> args);
} // namespace ToneDialogRules
