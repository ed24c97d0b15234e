#include "core/hearingtest/CKopfhoererCheck.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/hearingtest/ToneDialogRules.h"
#include "core/sound/CSinusTone.h"

#include <algorithm>

std::int32_t CKopfhoererCheck::Level(std::int32_t normalNull, std::int32_t ceiling) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{normalNull} + kAboveCalibration, ceiling));
}

bool CKopfhoererCheck::Run() {
    if (!Ask(0) || !Ask(1)) {
        m_app.InfoBoxId(StringTable::kKopfhoererFalsch);
        return false;
    }
    m_app.InfoBoxId(StringTable::kKopfhoererRichtig);
    return true;
}

bool CKopfhoererCheck::Ask(int side) {
    // A tone of its own per ear: its side is set before it sounds, so no ramp of the pan can
    // reach the other ear.
    CSinusTone tone(m_pDevice, kFrequency);
    tone.SetVolume(Level(m_app.m_lNormalNull, m_app.OutputCeiling()));
    tone.SetPan(ToneDialogRules::PanFor(side));
    tone.Play(DSBPLAY_LOOPING);
    const bool onlyThere = m_app.AskYesNo(StringTable::Load(
        side == 0 ? StringTable::kKopfhoererLinks : StringTable::kKopfhoererRechts));
    tone.Stop();
    return onlyThere;
}
