#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/export/CWavExport.h"
#include "platform/sound/SoundDevice.h"
#include "platform/sound/WavFileOutput.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

class ExportFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.Path().empty());
        // The settings file beside the program, as start-up finds it.
        std::ofstream(m_dir / "AUVO.ini") << "[AUVO]\nNORMALNULL=-6000\n";
    }

    std::string Exe() const { return (m_dir / "auvo").string(); }
    std::string PathOf(const char* name) const { return (m_dir / name).string(); }

    // A document with a 1000 Hz tone at -20 dB on the left and 3000 Hz at -40 dB on the right.
    std::string WriteSample() {
        return WriteSounds("sample.auvo", {{0, 1000.0, -2000, 0.0}, {1, 3000.0, -4000, 0.0}});
    }

    struct Sound {
        int side;
        double frequency;
        LONG level; // device level
        double bandwidth;
    };
    std::string WriteSounds(const char* name, const std::vector<Sound>& sounds) {
        const std::string path = PathOf(name);
        CAUVOApp app;
        SoundDevice* device = nullptr;
        EXPECT_EQ(SoundDevice::Create(std::make_unique<WavFileOutput>(
                                          PathOf("scratch.wav"), WavFileOutput::Mode::OnDemand),
                                      &device),
                  DS_OK);
        if (device == nullptr)
            return path;
        app.m_pDirectSound = device;
        {
            CAUVODoc doc;
            doc.OnNewDocument();
            for (const Sound& sound : sounds)
                doc.m_TinnitusDaten.NewTone(sound.side, sound.frequency, sound.level, false,
                                            sound.bandwidth);
            EXPECT_TRUE(doc.OnSaveDocument(path));
        }
        app.m_pDirectSound = nullptr;
        device->Release();
        return path;
    }

    int Run(std::vector<std::string> args, std::string& err) {
        std::ostringstream out;
        const int code = CWavExport::Run(args, Exe(), out);
        err = out.str();
        return code;
    }

    TempFolder m_folder;
    const fs::path m_dir{m_folder.Path()};
};

struct Wav {
    std::vector<float> left;
    std::vector<float> right;
};

Wav ReadWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Wav wav;
    if (bytes.size() < 58 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 50, "data", 4) != 0)
        return wav;
    const std::size_t frames = (bytes.size() - 58) / 8;
    for (std::size_t i = 0; i < frames; ++i) {
        float lr[2];
        std::memcpy(lr, bytes.data() + 58 + i * 8, 8);
        wav.left.push_back(lr[0]);
        wav.right.push_back(lr[1]);
    }
    return wav;
}

// Amplitude of the frequency's component (Goertzel over whole periods of the signal).
double Amplitude(const std::vector<float>& s, std::size_t from, std::size_t count, double hz) {
    const double w = 2.0 * std::numbers::pi * hz / 44100.0;
    double re = 0.0;
    double im = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        re += s[from + i] * std::cos(w * static_cast<double>(i));
        im += s[from + i] * std::sin(w * static_cast<double>(i));
    }
    return 2.0 * std::hypot(re, im) / static_cast<double>(count);
}

double Peak(const std::vector<float>& s) {
    double peak = 0.0;
    for (const float sample : s)
        peak = std::max(peak, std::fabs(double{sample}));
    return peak;
}

} // namespace

TEST_F(ExportFixture, RendersBothEarsTonesAtTheirLevelsAndSides) {
    const std::string doc = WriteSample();
    const std::string out = PathOf("tinnitus.wav");
    std::string err;
    ASSERT_EQ(Run({"--export-wav", out, "--seconds", "0.5", doc}, err), 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_FALSE(fs::exists(out + ".part"));

    const Wav wav = ReadWav(out);
    ASSERT_EQ(wav.left.size(), 22050u);
    // After the start ramp: 0.2 s, a whole number of periods of both tones.
    const std::size_t from = 4410;
    const std::size_t count = 8820;
    EXPECT_NEAR(Amplitude(wav.left, from, count, 1000.0), 0.1, 0.002);
    EXPECT_NEAR(Amplitude(wav.right, from, count, 3000.0), 0.01, 0.0002);
    // Each tone only on its own ear.
    EXPECT_LT(Amplitude(wav.left, from, count, 3000.0), 1e-5);
    EXPECT_LT(Amplitude(wav.right, from, count, 1000.0), 1e-5);
    // Nothing else sounds: the left channel's energy is that of its one sine.
    double energy = 0.0;
    for (std::size_t i = from; i < from + count; ++i)
        energy += double{wav.left[i]} * wav.left[i];
    EXPECT_NEAR(std::sqrt(energy / count), 0.1 / std::sqrt(2.0), 0.002);
}

TEST_F(ExportFixture, DefaultsToTenSeconds) {
    const std::string doc = WriteSample();
    const std::string out = PathOf("ten.wav");
    std::string err;
    ASSERT_EQ(Run({"--export-wav", out, doc}, err), 0) << err;
    EXPECT_EQ(fs::file_size(out), 58u + 441000u * 8u);
}

TEST_F(ExportFixture, UnreadableDocumentFailsWithGermanMessageAndNoOutput) {
    const std::string out = PathOf("out.wav");
    std::string err;
    EXPECT_EQ(Run({"--export-wav", out, PathOf("fehlt.auvo")}, err), 1);
    EXPECT_NE(err.find("konnte nicht geöffnet werden"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(out + ".part"));

    // A file of another kind: the format message; an older export stays as it was.
    std::ofstream(PathOf("kaputt.auvo"), std::ios::binary) << "keine Messung";
    std::ofstream(out) << "alt";
    EXPECT_EQ(Run({"--export-wav", out, PathOf("kaputt.auvo")}, err), 1);
    EXPECT_NE(err.find("Unerwartetes Dateiformat."), std::string::npos) << err;
    EXPECT_EQ(fs::file_size(out), 3u);
}

TEST_F(ExportFixture, OutputThatCannotBeWrittenFails) {
    const std::string doc = WriteSample();
    std::string err;
    EXPECT_EQ(Run({"--export-wav", PathOf("gibtsnicht/out.wav"), doc}, err), 1);
    EXPECT_NE(err.find("konnte nicht gespeichert werden"), std::string::npos) << err;
}

TEST_F(ExportFixture, BadArgumentsPrintUsage) {
    std::string err;
    EXPECT_EQ(Run({"--export-wav", PathOf("out.wav")}, err), 2);
    EXPECT_NE(err.find("Aufruf:"), std::string::npos);
    EXPECT_FALSE(fs::exists(PathOf("out.wav")));

    // Exporting over the document itself would destroy it.
    const std::string doc = WriteSample();
    const auto size = fs::file_size(doc);
    EXPECT_EQ(Run({"--export-wav", doc, "--seconds", "1", doc}, err), 2);
    EXPECT_EQ(fs::file_size(doc), size);
}

TEST_F(ExportFixture, RendersNothingAboveTheCeilingAndKeepsTheDocument) {
    const std::string doc = WriteSample();
    const auto before = TempFolder::ReadBytes(doc);
    for (const auto& [setting, left, right] :
         {std::tuple{"MAXPEGEL=1000", 0.00316, 0.00316}, std::tuple{"MAXPEGEL=3000", 0.0316, 0.01},
          std::tuple{"MAXPEGEL=20000", 0.1, 0.01}}) { // out of range: 80 dB
        std::ofstream(m_dir / "AUVO.ini") << "[AUVO]\nNORMALNULL=-6000\n" << setting << "\n";
        const std::string out = PathOf("held.wav");
        std::string err;
        ASSERT_EQ(Run({"--export-wav", out, "--seconds", "0.5", doc}, err), 0) << err;
        const Wav wav = ReadWav(out);
        ASSERT_EQ(wav.left.size(), 22050u) << setting;
        EXPECT_NEAR(Amplitude(wav.left, 4410, 8820, 1000.0), left, left / 50) << setting;
        EXPECT_NEAR(Amplitude(wav.right, 4410, 8820, 3000.0), right, right / 50) << setting;
    }
    EXPECT_EQ(TempFolder::ReadBytes(doc), before);
}

// NORMALNULL -6000 with MAXPEGEL 3000: one sine may sound at -30 dBFS on each ear.
TEST_F(ExportFixture, HoldsAllThatSoundsOnOneEarToOneSineAtTheCeilingInItsBalance) {
    std::ofstream(m_dir / "AUVO.ini") << "[AUVO]\nNORMALNULL=-6000\nMAXPEGEL=3000\n";
    const double sineRms = std::pow(10.0, -3000 / 2000.0) * 32767.0 / 32768.0 / std::sqrt(2.0);
    auto tones = [](int count, double from, double step, LONG level) {
        std::vector<Sound> sounds;
        for (int i = 0; i < count; ++i)
            sounds.push_back({0, from + step * i, level, 0.0});
        return sounds;
    };
    std::vector<Sound> toneAndBand = tones(1, 1000.0, 0.0, -3000);
    toneAndBand.push_back({0, 4000.0, -3000, 1000.0});
    struct Case {
        const char* name;
        std::vector<Sound> sounds;
    };
    for (const Case& c :
         {Case{"zwei", tones(2, 1000.0, 500.0, -3000)},
          Case{"zehn", tones(10, 1000.0, 100.0, -3000)},
          Case{"hundert", tones(100, 1000.0, 1.0, -3000)}, Case{"ton-band", toneAndBand},
          Case{"balance", {{0, 1000.0, -1000, 0.0}, {0, 1500.0, -1600, 0.0}}}}) {
        const std::string doc = WriteSounds("viele.auvo", c.sounds);
        const std::string out = PathOf("viele.wav");
        std::string err;
        ASSERT_EQ(Run({"--export-wav", out, "--seconds", "3.5", doc}, err), 0) << err;
        const Wav wav = ReadWav(out);
        ASSERT_EQ(wav.left.size(), 154350u) << c.name;
        // The last three seconds: whole loops of the band, whole beats of the tones.
        const std::size_t from = wav.left.size() - 132300;
        double energy = 0.0;
        for (std::size_t i = from; i < wav.left.size(); ++i)
            energy += double{wav.left[i]} * wav.left[i];
        EXPECT_NEAR(20.0 * std::log10(std::sqrt(energy / 132300.0) / sineRms), 0.0, 0.05) << c.name;
        EXPECT_LT(Peak(wav.left), 1.0) << c.name;
        EXPECT_EQ(Peak(wav.right), 0.0) << c.name;
    }
    // The balance stays as set (6 dB), and the scaling adds nothing of its own: what is not
    // the two tones lies more than 60 dB below them.
    const Wav wav = ReadWav(PathOf("viele.wav"));
    const double loud = Amplitude(wav.left, 44100, 88200, 1000.0);
    const double soft = Amplitude(wav.left, 44100, 88200, 1500.0);
    EXPECT_NEAR(20.0 * std::log10(loud / soft), 6.0, 0.05);
    for (const double hz : {500.0, 2000.0, 2500.0, 3000.0, 4500.0})
        EXPECT_LT(Amplitude(wav.left, 44100, 88200, hz), soft / 1000.0) << hz;
}

TEST_F(ExportFixture, KeepsAHundredTonesBelowFullScaleAtTheHighestCeiling) {
    std::ofstream(m_dir / "AUVO.ini") << "[AUVO]\nNORMALNULL=-100\n"; // the ceiling is 0 dBFS
    std::vector<Sound> sounds;
    for (int i = 0; i < 100; ++i)
        sounds.push_back({1, 1000.0 + i, 0, 0.0});
    const std::string doc = WriteSounds("laut.auvo", sounds);
    const std::string out = PathOf("laut.wav");
    std::string err;
    ASSERT_EQ(Run({"--export-wav", out, "--seconds", "2", doc}, err), 0) << err;
    const Wav wav = ReadWav(out);
    ASSERT_EQ(wav.right.size(), 88200u);
    EXPECT_LT(Peak(wav.right), 1.0);
    EXPECT_GT(Peak(wav.right), 0.9); // the tones meet in phase once a second
}

TEST_F(ExportFixture, RendersANoiseBandAtItsSineLevelHeldByTheCeiling) {
    const std::string path = PathOf("band.auvo");
    {
        CAUVOApp app;
        SoundDevice* device = nullptr;
        ASSERT_EQ(SoundDevice::Create(std::make_unique<WavFileOutput>(
                                          PathOf("scratch.wav"), WavFileOutput::Mode::OnDemand),
                                      &device),
                  DS_OK);
        app.m_pDirectSound = device;
        {
            CAUVODoc doc;
            doc.OnNewDocument();
            doc.m_TinnitusDaten.NewTone(1, 4000.0, -2000, false, 1000.0);
            EXPECT_TRUE(doc.OnSaveDocument(path));
        }
        app.m_pDirectSound = nullptr;
        device->Release();
    }
    // MAXPEGEL 3000 above NORMALNULL -6000: the ceiling is -3000 mB.
    for (const auto& [setting, level] :
         {std::pair{"MAXPEGEL=8000", -2000}, std::pair{"MAXPEGEL=3000", -3000}}) {
        std::ofstream(m_dir / "AUVO.ini") << "[AUVO]\nNORMALNULL=-6000\n" << setting << "\n";
        const std::string out = PathOf("band.wav");
        std::string err;
        ASSERT_EQ(Run({"--export-wav", out, "--seconds", "3.5", path}, err), 0) << err;
        const Wav wav = ReadWav(out);
        ASSERT_EQ(wav.right.size(), 154350u);
        // The last loop of the band's three seconds, well after the start ramp.
        const std::size_t from = wav.right.size() - 131072;
        double energy = 0.0;
        double peak = 0.0;
        for (std::size_t i = from; i < wav.right.size(); ++i) {
            energy += double{wav.right[i]} * wav.right[i];
            peak = std::max(peak, std::fabs(double{wav.left[i]}));
        }
        const double sineRms = std::pow(10.0, level / 2000.0) * 32767.0 / 32768.0 / std::sqrt(2.0);
        EXPECT_NEAR(20.0 * std::log10(std::sqrt(energy / 131072.0) / sineRms), 0.0, 0.05)
            << setting;
        EXPECT_EQ(peak, 0.0) << setting;
    }
}
