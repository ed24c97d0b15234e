#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTinnitusDaten.h"
#include "platform/archive/CArchive.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The list on the program's own sound device (null output), as a document uses it.
TEST(TinnitusOnSoundDevice, SavedTonesComeBackAndPlay) {
    setenv("AUVO_AUDIO_OUTPUT", "null", 0);
    IDirectSound* device = nullptr;
    ASSERT_EQ(DirectSoundCreate(nullptr, &device, nullptr), DS_OK);
    {
        CTinnitusDaten list;
        list.Reset(device);
        list.NewTone(0, 4000.0, -6000, false);
        list.NewTone(1, 1234.5, -7500, false);
        CArchive out;
        list.Serialize(out);

        CTinnitusDaten back;
        back.Reset(device);
        CArchive in(out.GetStoredBytes());
        back.Serialize(in);
        ASSERT_EQ(back.GetCount(0), 1);
        ASSERT_EQ(back.GetCount(1), 1);
        EXPECT_EQ(back.GetTone(0, 0)->GetVolume(), -6000);
        EXPECT_EQ(back.GetTone(0, 1)->GetFrequency(), 1234.5);

        back.PlayAll(2);
        EXPECT_EQ(back.m_nPlayMode, 2);
        back.StopAll();
        EXPECT_EQ(back.m_nPlayMode, 3);
    }
    device->Release();
}
