#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "platform/time/LocalClock.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const ReleaseStamp kStamp{115, 4711};
using Icon = IMessageBoxService::Icon;

class MessageBoxTest : public testing::Test {
protected:
    MessageBoxTest() {
        app.SetProgramFolder(dir.Path());
        app.SetMessageBoxService(&boxes);
    }
    std::string Protocol() const { return TempFolder::ReadText(app.GetProtocolPath()); }

    TempFolder dir;
    FixedLocalClock clock{LocalDateTime{2026, 12, 6, 7, 5, 0}};
    RecordingMessageBoxes boxes;
    CBaseApp app{kStamp};
};

TEST_F(MessageBoxTest, ErrorBoxLogsCaptionAndTextBeforeShowing) {
    std::string protocolWhenShown;
    boxes.onShow = [&](const RecordingMessageBoxes::Box&) { protocolWhenShown = Protocol(); };
    app.ErrorBox("Zeile 1\nZeile 2");

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Zeile 1\nZeile 2");
    EXPECT_EQ(boxes.boxes[0].caption, "AUVO");
    EXPECT_EQ(boxes.boxes[0].icon, Icon::Stop);
    EXPECT_FALSE(boxes.boxes[0].systemModal);
    EXPECT_EQ(protocolWhenShown, "06.12.26 07:05 AUVO : Zeile 1\nZeile 2\r\n");
}

TEST_F(MessageBoxTest, ErrorBoxIdShowsAndLogsTheTableText) {
    app.ErrorBoxId(129);
    const std::string text = StringTable::Load(129);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, text);
    EXPECT_EQ(Protocol(), "06.12.26 07:05 AUVO : " + text + "\r\n");
}

TEST_F(MessageBoxTest, InfoBoxesAreNotLogged) {
    app.m_nDebugLevel = 10;
    app.InfoBox("Hinweis");
    app.InfoBoxId(143);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].icon, Icon::Information);
    EXPECT_EQ(boxes.boxes[0].caption, "AUVO");
    EXPECT_EQ(boxes.boxes[1].text, StringTable::Load(143));
    EXPECT_FALSE(std::filesystem::exists(app.GetProtocolPath()));
}

TEST_F(MessageBoxTest, WithoutServiceMessagesGoToStandardError) {
    app.SetMessageBoxService(nullptr);
    testing::internal::CaptureStderr();
    app.ErrorBoxId(130);
    app.InfoBox("Info-Text");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(StringTable::Load(130)), std::string::npos);
    EXPECT_NE(err.find("Info-Text"), std::string::npos);
    EXPECT_EQ(Protocol(), "06.12.26 07:05 AUVO : " + StringTable::Load(130) + "\r\n");
}

TEST(BaseAppInstance, IsTheLatestLivingObject) {
    EXPECT_EQ(CBaseApp::Instance(), nullptr);
    {
        CBaseApp app{kStamp};
        EXPECT_EQ(CBaseApp::Instance(), &app);
        EXPECT_EQ(app.GetReleaseStamp().minor, 4711);
    }
    EXPECT_EQ(CBaseApp::Instance(), nullptr);
}

} // namespace
