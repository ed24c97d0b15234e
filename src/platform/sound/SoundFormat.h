#pragma once
// GetFormat's contract, shared by the primary and the secondary buffers.

#include "platform/sound/DirectSound.h"

// The platform's WAVEFORMATEX without padding.
constexpr DWORD kWaveFormatSize = 18;

// Copies format into the caller's record, or only reports the size when no record is given.
inline HRESULT CopyFormatOut(const WAVEFORMATEX& format, WAVEFORMATEX* out, DWORD sizeAllocated,
                             DWORD* sizeWritten) {
    if (out == nullptr) {
        if (sizeWritten == nullptr) {
            return DSERR_INVALIDPARAM;
        }
        *sizeWritten = kWaveFormatSize;
        return DS_OK;
    }
    if (sizeAllocated < kWaveFormatSize) {
        return DSERR_INVALIDPARAM;
    }
    *out = format;
    if (sizeWritten != nullptr) {
        *sizeWritten = kWaveFormatSize;
    }
    return DS_OK;
}
