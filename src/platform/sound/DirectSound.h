#pragma once
// The sound platform the program was designed against: a device with looping
// secondary buffers, volume in mB and pan, and Windows-style status codes.
// Implemented over our own software mixer (SoundDevice/SoundBuffer/Mixer).

#include <cstdint>

using HRESULT = std::int32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using LONG = std::int32_t;

constexpr HRESULT DS_OK = 0;
constexpr HRESULT DSERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT DSERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DSERR_INVALIDCALL = static_cast<HRESULT>(0x88780032u);
constexpr HRESULT DSERR_PRIOLEVELNEEDED = static_cast<HRESULT>(0x88780046u);
constexpr HRESULT DSERR_BADFORMAT = static_cast<HRESULT>(0x88780064u);
constexpr HRESULT DSERR_BUFFERLOST = static_cast<HRESULT>(0x88780096u);
constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);
constexpr HRESULT DSERR_GENERIC = static_cast<HRESULT>(0x80004005u);

constexpr DWORD DSBCAPS_PRIMARYBUFFER = 0x00000001;
constexpr DWORD DSBCAPS_CTRLFREQUENCY = 0x00000020;
constexpr DWORD DSBCAPS_CTRLPAN = 0x00000040;
constexpr DWORD DSBCAPS_CTRLVOLUME = 0x00000080;
// Our own flags, beyond the platform's. A buffer that takes over from another one (a tone
// changing its frequency) reads back volume 0 like any new buffer, but stays silent until its
// volume is set, so nothing sounds at a level the caller did not set.
constexpr DWORD DSBCAPS_SILENTUNTILVOLUME = 0x40000000;
// The calibration measures the threshold itself, so its tone may rise above the ceiling (only
// the rule that keeps the output below full scale holds it).
constexpr DWORD DSBCAPS_NOCEILING = 0x80000000;

constexpr DWORD DSBPLAY_LOOPING = 0x00000001;
constexpr DWORD DSBLOCK_FROMWRITECURSOR = 0x00000001;
constexpr DWORD DSBLOCK_ENTIREBUFFER = 0x00000002;
constexpr DWORD DSBSTATUS_PLAYING = 0x00000001;
constexpr DWORD DSBSTATUS_BUFFERLOST = 0x00000002;
constexpr DWORD DSBSTATUS_LOOPING = 0x00000004;

constexpr DWORD DSSCL_PRIORITY = 2;

constexpr LONG DSBVOLUME_MIN = -10000;
constexpr LONG DSBVOLUME_MAX = 0;
constexpr LONG DSBPAN_LEFT = -10000;
constexpr LONG DSBPAN_RIGHT = 10000;

constexpr WORD WAVE_FORMAT_PCM = 1;

struct WAVEFORMATEX {
    WORD wFormatTag = 0;
    WORD nChannels = 0;
    DWORD nSamplesPerSec = 0;
    DWORD nAvgBytesPerSec = 0;
    WORD nBlockAlign = 0;
    WORD wBitsPerSample = 0;
    WORD cbSize = 0;
};

struct DSBUFFERDESC {
    DWORD dwSize = 20;
    DWORD dwFlags = 0;
    DWORD dwBufferBytes = 0;
    DWORD dwReserved = 0;
    const WAVEFORMATEX* lpwfxFormat = nullptr;
};

struct DSBCAPS {
    DWORD dwSize = 20;
    DWORD dwFlags = 0;
    DWORD dwBufferBytes = 0;
    DWORD dwUnlockTransferRate = 0;
    DWORD dwPlayCpuOverhead = 0;
};

// Opaque window handle for SetCooperativeLevel; the mixer ignores it.
using HWND = void*;

class IDirectSoundBuffer {
public:
    virtual HRESULT GetCaps(DSBCAPS* caps) = 0;
    virtual HRESULT GetFormat(WAVEFORMATEX* format, DWORD sizeAllocated, DWORD* sizeWritten) = 0;
    virtual HRESULT GetStatus(DWORD* status) = 0;
    virtual HRESULT GetVolume(LONG* volume) = 0;
    virtual HRESULT GetPan(LONG* pan) = 0;
    virtual HRESULT SetFormat(const WAVEFORMATEX* format) = 0;
    virtual HRESULT SetVolume(LONG volume) = 0;
    virtual HRESULT SetPan(LONG pan) = 0;
    virtual HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) = 0;
    virtual HRESULT Stop() = 0;
    virtual HRESULT Lock(DWORD offset, DWORD bytes, void** ptr1, DWORD* bytes1, void** ptr2,
                         DWORD* bytes2, DWORD flags) = 0;
    virtual HRESULT Unlock(void* ptr1, DWORD bytes1, void* ptr2, DWORD bytes2) = 0;
    virtual HRESULT Restore() = 0;
    // Our own addition: the samples lie this many mB below the level they stand for (a noise
    // band's peaks need the room). The buffer sounds that much above its volume, never beyond
    // full scale, and the ceiling then holds it like any sound, so both keep their meaning.
    virtual HRESULT SetHeadroom(LONG headroom) = 0;
    // Gives the buffer up; the object must not be used afterwards.
    virtual DWORD Release() = 0;

protected:
    virtual ~IDirectSoundBuffer() = default;
};

class IDirectSound {
public:
    virtual HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                                      void* outer) = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD level) = 0;
    // Our own addition: the loudest each ear may hear, in mB (0, full scale, until set; values
    // above 0 count as 0): all that sounds on one channel together is held to the RMS of one
    // sine at this level, scaled down as a whole, and its peaks below full scale. Buffers
    // created with DSBCAPS_NOCEILING are held by the peak rule only. What GetVolume reads back
    // stays what the caller set; only the sound is held.
    virtual HRESULT SetCeiling(LONG volume) = 0;
    virtual DWORD Release() = 0;

protected:
    virtual ~IDirectSound() = default;
};

struct GUID;

// Creates the device on the output chosen by AUVO_AUDIO_OUTPUT: unset = the real device
// (through the factory registered with SetRealAudioOutputFactory), "null", or "wav:PATH".
HRESULT DirectSoundCreate(const GUID* device, IDirectSound** ds, void* outer);
