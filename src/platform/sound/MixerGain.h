#pragma once
// Linear gains from the platform's volume and pan in mB. Values outside the platform's
// range are clamped here only; an attenuation of 10000 mB or more is silence.

#include <cmath>
#include <cstdint>

struct MixerGain {
    // 10^(v/2000) for v in -10000..0; 0 at -10000 and below, 1 above 0.
    static float FromVolume(std::int32_t volume) {
        if (volume <= -10000) {
            return 0.0f;
        }
        if (volume >= 0) {
            return 1.0f;
        }
        return static_cast<float>(std::pow(10.0, volume / 2000.0));
    }
    // Negative pan attenuates the right channel by |pan| mB.
    static float PanRight(std::int32_t pan) { return pan < 0 ? FromVolume(pan) : 1.0f; }
    // Positive pan attenuates the left channel by pan mB.
    static float PanLeft(std::int32_t pan) {
        return pan > 0 ? FromVolume(pan >= 10000 ? -10000 : -pan) : 1.0f;
    }
};
