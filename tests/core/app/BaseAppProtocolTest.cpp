#include "core/app/CBaseApp.h"
#include "platform/time/LocalClock.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const ReleaseStamp kStamp{115, 4711};

class ProtocolTest : public testing::Test {
protected:
    ProtocolTest() {
        app.SetProgramFolder(dir.Path());
        app.SetMessageBoxService(&boxes);
    }
    std::string Protocol() const { return TempFolder::ReadText(app.GetProtocolPath()); }
    bool ProtocolExists() const { return std::filesystem::exists(app.GetProtocolPath()); }

    TempFolder dir;
    FixedLocalClock clock{LocalDateTime{2026, 12, 6, 7, 5, 42}};
    RecordingMessageBoxes boxes;
    CBaseApp app{kStamp};
};

TEST_F(ProtocolTest, LineIsDateTimeTextAndCrLf) {
    EXPECT_EQ(app.GetProtocolPath(), dir.Path() + "/AUVO.PRT");
    app.WriteProtocol("X");
    EXPECT_EQ(Protocol(), "06.12.26 07:05 X\r\n");
    EXPECT_EQ(Protocol().size(), 18u);
}

TEST_F(ProtocolTest, LinesAreAppendedInCallOrderWithTextUnchanged) {
    app.WriteProtocol("CAUVODoc::Serialize: LADEN '/tmp/ä.auvo'");
    {
        FixedLocalClock later{LocalDateTime{2001, 1, 2, 23, 59, 0}};
        app.WriteProtocol(" ... zwei\nZeilen");
    }
    EXPECT_EQ(Protocol(), "06.12.26 07:05 CAUVODoc::Serialize: LADEN '/tmp/ä.auvo'\r\n"
                          "02.01.01 23:59  ... zwei\nZeilen\r\n");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ProtocolTest, DebugLevelFiltersLines) {
    const int levels[] = {0, 1, 5, 10, 11};
    auto writeAll = [&] {
        for (int level : levels) {
            app.WriteProtocol("L" + std::to_string(level), level);
        }
    };

    app.m_nDebugLevel = -1;
    writeAll();
    app.ErrorBox("Fehler");
    EXPECT_FALSE(ProtocolExists());

    app.m_nDebugLevel = 0;
    writeAll();
    EXPECT_EQ(Protocol(), "06.12.26 07:05 L0\r\n");

    std::filesystem::remove(app.GetProtocolPath());
    app.m_nDebugLevel = 10;
    writeAll();
    EXPECT_EQ(Protocol(), "06.12.26 07:05 L0\r\n06.12.26 07:05 L1\r\n"
                          "06.12.26 07:05 L5\r\n06.12.26 07:05 L10\r\n");
}

TEST_F(ProtocolTest, LongTextIsCutToA511ByteLine) {
    app.WriteProtocol(std::string(600, 'a'));
    const std::string line = Protocol();
    ASSERT_EQ(line.size(), 511u);
    EXPECT_EQ(line.substr(0, 15), "06.12.26 07:05 ");
    EXPECT_EQ(line.substr(15, 494), std::string(494, 'a'));
    EXPECT_EQ(line.substr(509), "\r\n");

    // 493 + "ä" would need 495 bytes: the umlaut goes as a whole.
    std::filesystem::remove(app.GetProtocolPath());
    app.WriteProtocol(std::string(493, 'a') + "äbc");
    EXPECT_EQ(Protocol(), "06.12.26 07:05 " + std::string(493, 'a') + "\r\n");

    std::filesystem::remove(app.GetProtocolPath());
    app.WriteProtocol(std::string(494, 'a'));
    EXPECT_EQ(Protocol().size(), 511u);
}

TEST_F(ProtocolTest, FileHeldByAnotherWriterShowsCauseAndDropsEveryLine) {
    app.WriteProtocol("vorher");
    const int other = ::open(app.GetProtocolPath().c_str(), O_RDWR);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);

    app.WriteProtocol("verloren 1");
    app.WriteProtocol("verloren 2");
    ASSERT_EQ(boxes.boxes.size(), 2u);
    for (const auto& box : boxes.boxes) {
        EXPECT_TRUE(box.systemModal);
        EXPECT_EQ(box.text,
                  app.GetProtocolPath() + " : Datei wird von einem anderen Programm benutzt");
    }
    EXPECT_EQ(Protocol(), "06.12.26 07:05 vorher\r\n");

    ::close(other);
    app.WriteProtocol("danach");
    EXPECT_EQ(Protocol(), "06.12.26 07:05 vorher\r\n06.12.26 07:05 danach\r\n");
    EXPECT_EQ(boxes.boxes.size(), 2u);
}

TEST_F(ProtocolTest, ProtocolThatCannotBeOpenedNamesTheCause) {
    std::filesystem::create_directory(app.GetProtocolPath());
    app.WriteProtocol("X");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, app.GetProtocolPath() + " : Zugriff verweigert");
}

TEST_F(ProtocolTest, ProtocolThatCannotBeCreatedDropsLinesSilently) {
    app.SetProgramFolder(dir.File("fehlt/nicht/da"));
    app.WriteProtocol("X");
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("fehlt")));
}

TEST_F(ProtocolTest, WriteFailureShowsTheWriteErrorMessage) {
    std::filesystem::create_symlink("/dev/full", app.GetProtocolPath());
    app.WriteProtocol("X");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].systemModal);
    EXPECT_EQ(boxes.boxes[0].text, "Protokoll Schreibfehler / Close!");
}

} // namespace
