#include "core/document/CAUVODoc.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/document/CDate.h"
#include "core/sound/CSinusTone.h"
#include "platform/archive/CArchive.h"
#include "platform/archive/CArchiveException.h"
#include "platform/time/LocalClock.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <limits>
#include <map>

namespace {

constexpr double kHitDistanceHz = 100.0;

// The protocol line of the one application object; none in a run without one.
void Trace(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Trace(int level, const char* format, ...) {
    CBaseApp* app = CBaseApp::Instance();
    if (app == nullptr)
        return;
    va_list args;
    va_start(args, format);
    app->TraceV(level, format, args);
    va_end(args);
}

IDirectSound* AppDevice() {
    const CAUVOApp* app = CAUVOApp::Get();
    return app ? app->m_pDirectSound : nullptr;
}

LONG NormalNull() {
    const CAUVOApp* app = CAUVOApp::Get();
    return app ? app->m_lNormalNull : CAUVOApp::kNotCalibrated;
}

LONG Saturate(std::int64_t value) {
    return static_cast<LONG>(std::clamp<std::int64_t>(value, std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
}

const char* SideName(int side) {
    return side != 0 ? "RECHTS" : "LINKS";
}

unsigned long long ToneId(const CSinusTone* tone) {
    return static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(tone));
}

// Hands every tone of source to target, without recreating their sound buffers.
void MoveTones(CTinnitusDaten& source, CTinnitusDaten& target) {
    for (int side = 0; side <= 1; ++side) {
        while (CSinusTone* tone = source.GetTone(0, side)) {
            target.AddTone(side, source.RemoveTone(side, tone));
        }
    }
}

} // namespace

CAUVODoc::CAUVODoc() {
    Trace(10, "CAUVODoc::CAUVODoc");
}

CAUVODoc::~CAUVODoc() {
    Trace(10, "CAUVODoc::~CAUVODoc");
}

bool CAUVODoc::OnNewDocument() {
    Trace(10, "CAUVODoc::OnNewDocument");
    if (!CDocument::OnNewDocument())
        return false;
    SetDateToday();
    m_HoertestDaten.Init(8);
    m_TinnitusDaten.Reset(AppDevice());
    m_pVergleichsDoc.reset();
    m_bCeilingNoticeGiven = false;
    return true;
}

bool CAUVODoc::OnOpenDocument(const std::string& path) {
    Trace(10, "CAUVODoc::OnOpenDocument");
    m_bLoaded = false;
    if (!CDocument::OnOpenDocument(path))
        return false;
    m_bCeilingNoticeGiven = false;
    // An empty file is not read; its tones are gone all the same. A document that never held
    // a measurement (the first one, a comparison) gets the standard frequencies as after New:
    // without any, the diagrams could not scale their frequency axis.
    if (!m_bLoaded) {
        m_TinnitusDaten.Reset(AppDevice());
        if (m_HoertestDaten.GetCount() == 0)
            m_HoertestDaten.Init(8);
    }
    return true;
}

void CAUVODoc::Serialize(CArchive& ar) {
    Trace(1, "CAUVODoc::Serialize: %s '%s'", ar.IsStoring() ? "SPEICHERN" : "LADEN",
          ar.GetFilePath().c_str());
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
    UpdateAllViews(nullptr);
}

void CAUVODoc::Store(CArchive& ar) {
    m_strHeader =
        FormatText("%s V%s ZEB GmbH Varnholm", StringTable::Load(StringTable::kAppTitle).c_str(),
                   StringTable::Load(StringTable::kVersion).c_str());
    ar << m_nVersion << m_strHeader << m_strDatum << m_strKommentar;
    m_HoertestDaten.Serialize(ar);
    m_TinnitusDaten.Serialize(ar);
}

void CAUVODoc::Load(CArchive& ar) {
    const std::int32_t version = ar.ReadInt32();
    if (version != 100 && version != 101 && version != 200)
        throw CArchiveException(CArchiveException::badSchema, ar.GetFilePath());

    // Everything is read aside first, so a file that breaks off changes nothing here.
    std::string header;
    if (version != 100)
        header = ar.ReadText();
    std::string datum = ar.ReadText();
    std::string kommentar = ar.ReadText();
    CHoertestDaten hoertest;
    hoertest.Serialize(ar);
    CTinnitusDaten tinnitus;
    tinnitus.Reset(AppDevice());
    if (version == 200 && m_bReadSounds)
        tinnitus.Serialize(ar);
    else if (version == 200)
        CTinnitusDaten::Skip(ar);

    m_HoertestDaten.Copy(&hoertest);
    m_HoertestDaten.Interleaved = hoertest.Interleaved;
    m_strHeader = std::move(header);
    m_strDatum = std::move(datum);
    m_strKommentar = std::move(kommentar);
    m_TinnitusDaten.Reset(AppDevice());
    MoveTones(tinnitus, m_TinnitusDaten);
    m_bLoaded = true;
}

bool CAUVODoc::TakeCeilingNotice(LONG ceiling) {
    const int mode = m_TinnitusDaten.m_nPlayMode;
    if (m_bCeilingNoticeGiven || mode == CTinnitusDaten::playNone)
        return false;
    for (int side = 0; side <= 1; ++side) {
        if (mode != CTinnitusDaten::playBoth && mode != side)
            continue;
        // The output holds an ear's sum as one sine's RMS: powers add, and sounds of one
        // frequency and width may be in phase, so their amplitudes add first.
        // Their peaks together also stay below full scale, which can hold them sooner.
        std::map<std::pair<double, double>, double> amplitudes;
        double peaks = 0.0;
        for (int i = 0; i < m_TinnitusDaten.GetCount(side); ++i) {
            CSinusTone* tone = m_TinnitusDaten.GetTone(i, side);
            const double volume = tone->GetVolume();
            amplitudes[{tone->GetFrequency(), tone->GetBandwidth()}] +=
                std::pow(10.0, (volume - ceiling) / 2000.0);
            peaks += std::pow(10.0, std::min(volume, 0.0) / 2000.0);
        }
        double power = 0.0;
        for (const auto& [sound, amplitude] : amplitudes)
            power += amplitude * amplitude;
        if (power > 1.001 || peaks > 1.0001) {
            m_bCeilingNoticeGiven = true;
            return true;
        }
    }
    return false;
}

void CAUVODoc::SetHearingTestData(const CHoertestDaten& data) {
    // Copied aside first: a source that cannot be copied leaves the measurement alone.
    CHoertestDaten copy;
    copy.Copy(&data);
    m_HoertestDaten.Copy(&copy);
    SetModifiedFlag();
    SetDateToday();
    UpdateAllViews(nullptr);
}

void CAUVODoc::SetComment(const std::string& text) {
    m_strKommentar = text;
    SetModifiedFlag();
    SetDateToday();
    UpdateAllViews(nullptr);
}

void CAUVODoc::SetDateToday() {
    m_strDatum = CDate(LocalClock::CurrentTime()).GetText();
}

bool CAUVODoc::SetVergleichsDatei(const std::string& path) {
    Trace(1, "CAUVODoc::SetVergleichsDatei: '%s'", path.c_str());
    if (!m_pVergleichsDoc)
        m_pVergleichsDoc = std::make_unique<CAUVODoc>();
    else
        // Replaced or closed below either way: free its sound buffers before reading.
        m_pVergleichsDoc->m_TinnitusDaten.Reset(AppDevice());

    if (!m_pVergleichsDoc->OnOpenDocument(path)) {
        SetVergleichsDatei();
        return false;
    }
    m_pVergleichsDoc->SetPathName(path, false);
    UpdateAllViews(nullptr);
    return true;
}

void CAUVODoc::SetVergleichsDatei() {
    Trace(1, "CAUVODoc::SetVergleichsDatei: null");
    if (m_pVergleichsDoc) {
        m_pVergleichsDoc.reset();
        UpdateAllViews(nullptr);
    }
}

std::int32_t CAUVODoc::GetValueForFrequency(std::int32_t frequency, int side) const {
    Trace(5, "CAUVODoc::GetValueForFrequency: %d, Side %d", frequency, side);
    return m_HoertestDaten.InterpolateValue(frequency, side);
}

CSinusTone* CAUVODoc::TToneNear(int side, double frequency) const {
    const std::int32_t count = m_TinnitusDaten.GetCount(side);
    Trace(5, "CAUVODos::TToneNear %s, %8.2f Hz", SideName(side), frequency);
    for (std::int32_t i = 0; i < count; ++i) {
        CSinusTone* tone = m_TinnitusDaten.GetTone(i, side);
        if (tone && std::fabs(tone->GetFrequency() - frequency) < kHitDistanceHz) {
            Trace(10, " ... %llX mit %8.2f Hz", ToneId(tone), tone->GetFrequency());
            return tone;
        }
    }
    Trace(10, " ... kein Treffer!");
    return nullptr;
}

CSinusTone* CAUVODoc::CreateTTValue(int side, double frequency, LONG level, double bandwidth) {
    Trace(5, "CAUVODoc::CreateTTValue: %s, %8.2f Hz, %ld mB", SideName(side), frequency,
          static_cast<long>(level));
    const LONG deviceAtt = ToAbsoluteLevel(level);
    CSinusTone* tone =
        m_TinnitusDaten.NewTone(side, frequency, deviceAtt,
                                m_TinnitusDaten.m_nPlayMode != CTinnitusDaten::playNone, bandwidth);
    // A refused tone changes nothing worth saving.
    if (tone != nullptr)
        SetModifiedFlag();
    Trace(10, " ... DeviceAtt = %ld %llX", static_cast<long>(deviceAtt), ToneId(tone));
    return tone;
}

LONG CAUVODoc::ToAbsoluteLevel(LONG level) const {
    return Saturate(std::int64_t{level} + NormalNull());
}

LONG CAUVODoc::ToRelativeLevel(LONG deviceAtt) const {
    return Saturate(std::int64_t{deviceAtt} - NormalNull());
}

std::int32_t CAUVODoc::GetMaxFrequencyKHz() const {
    std::int32_t khz = m_HoertestDaten.GetMaxFrequency() / 1000;
    if (m_pVergleichsDoc)
        khz = std::max(khz, m_pVergleichsDoc->m_HoertestDaten.GetMaxFrequency() / 1000);
    return khz;
}

std::int32_t CAUVODoc::GetMaxEntryCount() const {
    std::int32_t count = m_HoertestDaten.GetCount();
    if (m_pVergleichsDoc)
        count = std::max(count, m_pVergleichsDoc->m_HoertestDaten.GetCount());
    return count;
}

void CAUVODoc::ReportSaveLoadError(const CDocumentError& error) {
    if (!error.detail.empty())
        Trace(1, "CAUVODoc::ReportSaveLoadError: %s", error.detail.c_str());
    if (CBaseApp* app = CBaseApp::Instance())
        app->ErrorBox(ErrorText(error));
}

std::string CAUVODoc::ErrorText(const CDocumentError& error) {
    switch (error.kind) {
    case CDocumentError::Kind::Format:
        return StringTable::Load(StringTable::kBadFileFormat);
    case CDocumentError::Kind::File: {
        std::string cause;
        CBaseApp::FileErrorText(error.fileCause, cause, 256);
        return StringTable::Format(error.saving ? StringTable::kFileNotSaved
                                                : StringTable::kFileNotOpened,
                                   error.path, cause);
    }
    default:
        return StringTable::Load(error.saving ? StringTable::kFailedToSaveDoc
                                              : StringTable::kFailedToOpenDoc);
    }
}

std::string CAUVODoc::GetDefaultTitle() const {
    return StringTable::Load(StringTable::kUntitled);
}

void CAUVODoc::OnAddToRecentFileList(const std::string& path) {
    if (CAUVOApp* app = CAUVOApp::Get())
        app->GetRecentFileList().Add(path);
}
