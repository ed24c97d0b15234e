#pragma once
// One entry of the document's hearing-test data measured again: where its single measurement
// starts (the document's own value, as the hearing test starts from the document), how loud
// it may get, and what a level taken over records. UI thread only.

#include <cstdint>

class CAUVOApp;
class CAUVODoc;

class CEinzelmessungEntry {
public:
    CEinzelmessungEntry(CAUVOApp& app, CAUVODoc& doc, int index, int side);

    int Frequency() const { return m_nFrequency; }
    int Side() const { return m_nSide; }
    // Measured with the pulsed tone.
    bool Pulsed() const;
    std::int32_t NormalNull() const;
    std::int32_t Ceiling() const;
    std::int32_t StartLevel() const;
    // "&Übernehmen": the entry gets the calibration level minus the level reached, and the
    // document is modified; its date stays.
    void TakeOver(std::int32_t level);

private:
    CAUVOApp& m_app;
    CAUVODoc& m_doc;
    int m_nIndex;
    int m_nSide;
    int m_nFrequency;
};
