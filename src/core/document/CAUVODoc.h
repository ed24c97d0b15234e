#pragma once
// One measurement: comment, date, hearing-test data and tinnitus tones, its document file,
// and the optional comparison document drawn beside it.

#include "core/hearing/CHoertestDaten.h"
#include "core/tinnitus/CTinnitusDaten.h"
#include "platform/document/CDocument.h"
#include "platform/sound/DirectSound.h"

#include <cstdint>
#include <memory>
#include <string>

class CArchive;
class CSinusTone;

class CAUVODoc : public CDocument {
public:
    static constexpr std::int32_t kFileVersion = 200;

    CAUVODoc();
    ~CAUVODoc() override;

    static std::unique_ptr<CAUVODoc> CreateObject() { return std::make_unique<CAUVODoc>(); }
    static const char* GetRuntimeClassName() { return "CAUVODoc"; }

    // Today's date, 8 standard frequencies with value 0, no tones, no comparison document;
    // the comment stays.
    bool OnNewDocument() override;
    // On failure the document is exactly as it was: the file is read aside and taken over
    // only when it was read completely. The user has been told why.
    bool OnOpenDocument(const std::string& path) override;
    // Reads versions 100, 101 and 200, writes 200. A load replaces the contents only when
    // everything was read; a failing one throws and changes nothing.
    void Serialize(CArchive& ar) override;

    void SetHearingTestData(const CHoertestDaten& data);
    void SetComment(const std::string& text);
    void SetDateToday();
    // Loads the comparison document; false (and the comparison closed) when it could not be
    // read, in which case the user has been told why.
    bool SetVergleichsDatei(const std::string& path);
    // Closes the comparison document.
    void SetVergleichsDatei();
    CAUVODoc* GetVergleichsDoc() const { return m_pVergleichsDoc.get(); }

    std::int32_t GetValueForFrequency(std::int32_t frequency, int side) const;
    // The first tone of that side less than 100 Hz away, in list order.
    CSinusTone* TToneNear(int side, double frequency) const;
    // A new tone at level (relative to the calibration), started if the list is playing; a
    // noise band of that width in Hz for a bandwidth above 0.
    CSinusTone* CreateTTValue(int side, double frequency, LONG level, double bandwidth = 0.0);
    // Between levels relative to the calibration and sound-device levels; saturating.
    LONG ToAbsoluteLevel(LONG level) const;
    LONG ToRelativeLevel(LONG deviceAtt) const;
    std::int32_t GetMaxFrequencyKHz() const;
    // True once per document (after New or Open): the first time the playing sounds of an ear,
    // alone or together, are set louder than the ceiling lets them sound, so the user can be
    // told they are held (in their balance) at the ceiling.
    bool TakeCeilingNotice(LONG ceiling);
    std::int32_t GetMaxEntryCount() const;
    // The message a failed open or save shows.
    static std::string ErrorText(const CDocumentError& error);

    std::int32_t m_nVersion = kFileVersion;
    std::string m_strHeader;
    std::string m_strDatum;
    std::string m_strKommentar;
    CHoertestDaten m_HoertestDaten;
    CTinnitusDaten m_TinnitusDaten;
    std::int32_t m_nMinFrequenz = 100;
    std::unique_ptr<CAUVODoc> m_pVergleichsDoc;

protected:
    // For readers that need only the hearing test and the date (the trend): the tinnitus block
    // is checked as ever, but no sound is made, so reading takes no sound device and only the
    // file's own bytes in memory.
    void ReadWithoutSounds() { m_bReadSounds = false; }
    void ReportSaveLoadError(const CDocumentError& error) override;
    std::string GetDefaultTitle() const override;
    void OnAddToRecentFileList(const std::string& path) override;

private:
    void Store(CArchive& ar);
    void Load(CArchive& ar);

    bool m_bLoaded = false;
    bool m_bReadSounds = true;
    bool m_bCeilingNoticeGiven = false;
};
