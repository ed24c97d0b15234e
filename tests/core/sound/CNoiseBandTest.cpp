// Noise bands: where their power lies, the loop point, their seeds, and that a new band's buffer
// waits for its level. Their level against a sine and the ceiling: WavExportTest.

#include "core/sound/CNoiseBandGenerator.h"
#include "core/sound/CSinusTone.h"

#include "platform/sound/SoundTestSupport.h"
#include "support/FaultySoundDevice.h"
#include "support/TempFolder.h"

#include <fftw3.h>
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr std::size_t kN = CNoiseBandGenerator::kSamples;
constexpr double kBinHz = 44100.0 / static_cast<double>(kN);

// Power per bin of one period of the samples (no window: the buffer loops).
std::vector<double> PowerSpectrum(const std::vector<std::int16_t>& samples) {
    std::vector<double> in(samples.begin(), samples.end());
    std::vector<std::complex<double>> out(kN / 2 + 1);
    fftw_plan plan =
        fftw_plan_dft_r2c_1d(static_cast<int>(kN), in.data(),
                             reinterpret_cast<fftw_complex*>(out.data()), FFTW_ESTIMATE);
    fftw_execute(plan);
    fftw_destroy_plan(plan);
    std::vector<double> power(out.size());
    for (std::size_t k = 0; k < out.size(); ++k)
        power[k] = std::norm(out[k]);
    return power;
}

std::vector<std::int16_t> Band(double centre, double bandwidth, std::int32_t pan,
                               std::int32_t* headroom = nullptr) {
    std::vector<std::int16_t> samples;
    const std::int32_t room = CNoiseBandGenerator::Generate(
        centre, bandwidth, 44100, CNoiseBandGenerator::Seed(centre, bandwidth, pan), samples);
    if (headroom != nullptr)
        *headroom = room;
    return samples;
}

TEST(CNoiseBandGeneratorTest, PowerLiesEvenlyInsideTheBandAndLoopsWithoutAStep) {
    std::int32_t headroom = 0;
    const std::vector<std::int16_t> samples = Band(4000.0, 1000.0, DSBPAN_RIGHT, &headroom);
    ASSERT_EQ(samples.size(), kN);
    const std::vector<double> power = PowerSpectrum(samples);
    double lower = 0.0;
    double upper = 0.0;
    double outside = 0.0;
    for (std::size_t k = 0; k < power.size(); ++k) {
        const double hz = static_cast<double>(k) * kBinHz;
        if (hz >= 3500.0 && hz < 4000.0)
            lower += power[k];
        else if (hz >= 4000.0 && hz <= 4500.0)
            upper += power[k];
        else
            outside += power[k];
    }
    EXPECT_LT(10.0 * std::log10(outside / (lower + upper)), -40.0);
    EXPECT_NEAR(lower / upper, 1.0, 0.05);

    // Peaks fit into 16 bits with the headroom given, the RMS lies that far below a sine's.
    double sum = 0.0;
    int peak = 0;
    int largestStep = 0;
    for (std::size_t i = 0; i < kN; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        if (i > 0)
            largestStep = std::max(largestStep, std::abs(samples[i] - samples[i - 1]));
    }
    EXPECT_GT(headroom, 0);
    EXPECT_LE(peak, 32767);
    EXPECT_GT(peak, 30000);
    const double rmsDb = 20.0 * std::log10(std::sqrt(sum / kN) / (32767.0 / std::sqrt(2.0)));
    EXPECT_NEAR(rmsDb, -headroom / 100.0, 0.01);
    // The end joins the start like any two neighbours.
    EXPECT_LE(std::abs(samples.front() - samples.back()), largestStep);
}

TEST(CNoiseBandGeneratorTest, EdgesAreClippedAndNothingLeftIsSilence) {
    // 30 Hz wide down to the 20 Hz edge: power only between 20 and 45 Hz.
    const std::vector<double> power = PowerSpectrum(Band(30.0, 30.0, DSBPAN_LEFT));
    double inside = 0.0;
    double outside = 0.0;
    for (std::size_t k = 0; k < power.size(); ++k)
        (k * kBinHz >= 20.0 && k * kBinHz <= 45.0 ? inside : outside) += power[k];
    EXPECT_LT(outside / inside, 1e-4);
    for (const auto& silent :
         {Band(0.0, 100.0, 0), Band(1000.0, 0.0, 0), Band(25000.0, 100.0, 0), Band(NAN, 100.0, 0)})
        EXPECT_EQ(silent, std::vector<std::int16_t>(kN, 0));
}

TEST(CNoiseBandGeneratorTest, SameBandSameNoiseOtherBandOtherNoise) {
    const auto a = Band(4000.0, 500.0, DSBPAN_LEFT);
    EXPECT_EQ(a, Band(4000.0, 500.0, DSBPAN_LEFT));
    // The same band on the other ear is not the same noise, shifted or not.
    const auto b = Band(4000.0, 500.0, DSBPAN_RIGHT);
    std::vector<double> x(a.begin(), a.end());
    std::vector<double> y(b.begin(), b.end());
    std::vector<std::complex<double>> fx(kN / 2 + 1);
    std::vector<std::complex<double>> fy(kN / 2 + 1);
    for (auto [in, out] : {std::pair{&x, &fx}, std::pair{&y, &fy}}) {
        fftw_plan plan =
            fftw_plan_dft_r2c_1d(static_cast<int>(kN), in->data(),
                                 reinterpret_cast<fftw_complex*>(out->data()), FFTW_ESTIMATE);
        fftw_execute(plan);
        fftw_destroy_plan(plan);
    }
    // Circular cross-correlation at every shift, relative to the auto-correlation at 0.
    std::vector<std::complex<double>> cross(kN / 2 + 1);
    double energy = 0.0;
    for (std::size_t k = 0; k < cross.size(); ++k) {
        cross[k] = fx[k] * std::conj(fy[k]);
        energy += std::norm(fx[k]);
    }
    std::vector<double> correlation(kN);
    fftw_plan back =
        fftw_plan_dft_c2r_1d(static_cast<int>(kN), reinterpret_cast<fftw_complex*>(cross.data()),
                             correlation.data(), FFTW_ESTIMATE);
    fftw_execute(back);
    fftw_destroy_plan(back);
    double largest = 0.0;
    for (const double c : correlation)
        largest = std::max(largest, std::fabs(c));
    // Unnormalised c2r of a half spectrum: the auto-correlation at 0 is about 2 * energy.
    EXPECT_LT(largest / (2.0 * energy), 0.2);
}

class CNoiseBandSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_device = soundtest::CreateWavDevice(m_path.string(), m_wav);
        ASSERT_NE(m_device, nullptr);
    }

    const TempFolder m_folder;
    const std::filesystem::path m_path = m_folder.File("out.wav");
    WavFileOutput* m_wav = nullptr;
    SoundDevice* m_device = nullptr;
};

TEST_F(CNoiseBandSoundTest, NewBandKeepsItsLevelAndARefusalKeepsTheOld) {
    {
        FaultySoundDevice faults(m_device, false);
        CSinusTone band(&faults, 4000.0, CSinusTone::Sound{500.0, DSBPAN_LEFT});
        band.SetVolume(-6000);
        band.Play(DSBPLAY_LOOPING);
        m_wav->RenderFrames(4410);
        band.SetSound(5000.0, 800.0);
        m_wav->RenderFrames(2048);
        faults.refuseSecondaries = 1;
        EXPECT_THROW(band.SetSound(6000.0, 100.0), CSoundBufferException);
        EXPECT_EQ(band.GetFrequency(), 5000.0);
        EXPECT_EQ(band.GetBandwidth(), 800.0);
        EXPECT_EQ(band.GetVolume(), -6000);
        // A sine again, in place.
        EXPECT_TRUE(band.SetSound(5000.0, 0.0));
        EXPECT_FALSE(band.IsNoiseBand());
    }
    m_device->Release();
    const soundtest::WavData data = soundtest::ReadWav(m_path.string());
    ASSERT_TRUE(data.ok);
    const std::vector<float> before(data.samples.begin(), data.samples.begin() + 2 * 4410);
    EXPECT_LE(soundtest::Peak(data.samples), soundtest::Peak(before) * 1.5);
    // Once the old band has ramped out, the new one sounds at the level the band kept.
    const std::vector<float> afterNew(data.samples.begin() + 2 * (4410 + 900),
                                      data.samples.begin() + 2 * (4410 + 2048));
    EXPECT_GT(soundtest::Peak(afterNew), soundtest::Peak(before) * 0.5);
}

} // namespace
