#pragma once
// The tinnitus sounds of one document (sine tones and noise bands): an ordered list of owned
// sounds per ear and the play state of them all. Written as block version 100 while it holds
// tones only, so files without a band stay readable for every reader of version 200 files.

#include "platform/sound/DirectSound.h"

#include <cstdint>
#include <memory>
#include <vector>

class CArchive;
class CSinusTone;

class CTinnitusDaten {
public:
    enum PlayMode { playLeft = 0, playRight = 1, playBoth = 2, playNone = 3 };
    // Far more than any real tinnitus. Each tone costs up to 90 KB of sound buffers, a noise
    // band (three seconds) about 260 KB, so this bound for both ears together keeps what a file
    // can make us allocate below 256 MB.
    static constexpr std::int32_t kMaxTones = 1000;
    // The block version of a list with at least one noise band: kind and bandwidth per sound.
    static constexpr std::int32_t kBandVersion = 101;
    // The widths of a band in Hz that the dialog accepts and a file may hold.
    static constexpr double kMinBandwidth = 1.0;
    static constexpr double kMaxBandwidth = 5000.0;
    static bool IsValidBandwidth(double width) {
        return width >= kMinBandwidth && width <= kMaxBandwidth; // false for NaN too
    }
    // A third of an octave around the centre, in whole Hz within the accepted widths.
    static double DefaultBandwidth(double centre);

    CTinnitusDaten();
    virtual ~CTinnitusDaten();
    CTinnitusDaten(const CTinnitusDaten&) = delete;
    CTinnitusDaten& operator=(const CTinnitusDaten&) = delete;

    // Reading commits only a complete block: on failure the list stays empty.
    virtual void Serialize(CArchive& ar);
    // Reads a stored block with every check of Serialize but makes no sound: for readers that
    // need only what follows it or comes before it.
    static void Skip(CArchive& ar);

    void Reset(IDirectSound* device);
    void RemoveAll();
    // Null if memory runs out or kMaxTones are there; a refused sound buffer throws with
    // nothing added.
    // A bandwidth above 0 makes a noise band of that width in Hz.
    CSinusTone* NewTone(int side, double frequency, LONG deviceAtt, bool start,
                        double bandwidth = 0.0);
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
    // One sound as stored; bandwidth 0 for a sine tone.
    struct Stored {
        double frequency = 0.0;
        LONG level = 0;
        double bandwidth = 0.0;
    };
    static std::int32_t ReadVersion(CArchive& ar);
    static std::vector<Stored> ReadSide(CArchive& ar, std::int32_t maxTones, std::int32_t version);
    ToneList MakeSounds(int side, const std::vector<Stored>& stored) const;
    std::unique_ptr<CSinusTone> MakeSound(int side, double frequency, double bandwidth) const;
    bool HasNoiseBand() const;

    ToneList m_listLinks;
    ToneList m_listRechts;
    std::uint32_t m_nDeletions = 0;
};
