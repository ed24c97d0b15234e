#pragma once
// GetFormat's contract, shared by the primary and the secondary buffers.

#include "platform/sound/DirectSound.h"

// A PCM format record with block alignment and byte rate derived from the rest.
inline WAVEFORMATEX PcmFormat(WORD channels, DWORD samplesPerSec = 44100, WORD bitsPerSample = 16) {
    WAVEFORMATEX format;
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channels;
    format.nSamplesPerSec = samplesPerSec;
    format.wBitsPerSample = bitsPerSample;
    format.nBlockAlign = static_cast<WORD>(channels * bitsPerSample / 8);
    format.nAvgBytesPerSec = samplesPerSec * format.nBlockAlign;
    format.cbSize = 0;
    return format;
}

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
