#include "core/tinnitus/CTinnitusPause.h"

#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTinnitusDaten.h"

CTinnitusPause::CTinnitusPause(CTinnitusDaten& tinnitus)
    : m_tinnitus(tinnitus), m_nDeletions(tinnitus.GetDeletions()) {
    // The tones themselves, not the play mode: a tone added while the list played sounds
    // whatever its ear, and the mode must read the same afterwards.
    for (int side = 0; side <= 1; ++side) {
        for (int i = 0; i < tinnitus.GetCount(side); ++i) {
            CSinusTone* tone = tinnitus.GetTone(i, side);
            if (tone->IsPlaying()) {
                m_playing.push_back(tone);
                tone->Stop();
            }
        }
    }
}

CTinnitusPause::~CTinnitusPause() {
    // A tone deleted meanwhile may have left its address to another: then the mode decides.
    if (m_tinnitus.GetDeletions() != m_nDeletions) {
        if (m_tinnitus.m_nPlayMode != CTinnitusDaten::playNone)
            m_tinnitus.PlayAll(m_tinnitus.m_nPlayMode);
        return;
    }
    for (CSinusTone* tone : m_playing)
        tone->Play(DSBPLAY_LOOPING);
}
