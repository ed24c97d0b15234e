#pragma once
// The tinnitus tones of one document: an ordered list of owned tones per ear and the play
// state of them all.

#include "platform/sound/DirectSound.h"

#include <cstdint>
#include <memory>
#include <vector>

class CArchive;
class CSinusTone;

class CTinnitusDaten {
public:
    enum PlayMode { playLeft = 0, playRight = 1, playBoth = 2, playNone = 3 };
    // Far more than any real tinnitus. Each tone costs about 150 KB of sound buffers, so this
    // bound for both ears together keeps what a file can make us allocate below 256 MB.
    static constexpr std::int32_t kMaxTones = 1000;

    CTinnitusDaten();
    virtual ~CTinnitusDaten();
    CTinnitusDaten(const CTinnitusDaten&) = delete;
    CTinnitusDaten& operator=(const CTinnitusDaten&) = delete;

    // Reading commits only a complete block: on failure the list stays empty.
    virtual void Serialize(CArchive& ar);

    void Reset(IDirectSound* device);
    void RemoveAll();
    // Null if memory runs out or kMaxTones are there; a refused sound buffer throws with
    // nothing added.
    CSinusTone* NewTone(int side, double frequency, LONG deviceAtt, bool start);
    // Side 0 left, 1 right: the list owns the tone. Any other side or no tone: false, and
    // the tone goes.
    bool AddTone(int side, std::unique_ptr<CSinusTone> tone);
    // Side 0 left, any other right. The tone leaves the list and goes to the caller, who
    // drops it to delete it; null if that side does not hold it.
    std::unique_ptr<CSinusTone> RemoveTone(int side, CSinusTone* tone);
    void PlayAll(int mode);
    void StopAll();
    std::int32_t GetCount(int side) const;
    CSinusTone* GetTone(int index, int side) const;
    // Changes whenever tones are deleted: a tone pointer kept from before may be stale even
    // when a new tone now lives at its address.
    std::uint32_t GetDeletions() const { return m_nDeletions; }

    std::int32_t m_nVersion = 100;
    IDirectSound* m_pDirectSound = nullptr;
    // Read by the commands; changed only through the operations above.
    std::int32_t m_nPlayMode = playNone;

private:
    using ToneList = std::vector<std::unique_ptr<CSinusTone>>;
    ToneList* ListFor(int side);
    const ToneList* ListFor(int side) const;
    ToneList ReadSide(CArchive& ar, int side, std::int32_t maxTones);

    ToneList m_listLinks;
    ToneList m_listRechts;
    std::uint32_t m_nDeletions = 0;
};
