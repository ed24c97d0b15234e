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

// How far below the output ceiling a start level from the document stays at least.
inline constexpr std::int32_t kStartBelowCeiling = 1000;

// Start level from the document's value at the frequency, at least 10 dB below the ceiling:
// a measurement taken under another calibration must not start a tone near full output.
inline std::int32_t StartLevelFromDoc(std::int32_t normalNull, std::int32_t docValue,
                                      std::int32_t ceiling) {
    const std::int64_t d = static_cast<std::int64_t>(BaseLevel(normalNull)) - docValue;
    const std::int64_t highest = std::int64_t{ceiling} - kStartBelowCeiling;
    return d <= kSilence ? kSilence : static_cast<std::int32_t>(std::min(d, highest));
}

// Calibration level minus the level reached: the value a recognition records.
inline std::int32_t Recorded(std::int32_t normalNull, std::int32_t level) {
    const std::int64_t v = static_cast<std::int64_t>(normalNull) - level;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// One ramp step up, never past the ceiling: a tone not heard there is recorded there.
inline std::int32_t Raised(std::int32_t level, std::int32_t ceiling) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{level} + kStep, ceiling));
}

inline long PanFor(int side) {
    return side == 1 ? kPanRight : kPanLeft;
}

// "Links" or "Rechts".
std::string SideName(int side);
} // namespace ToneDialogRules
