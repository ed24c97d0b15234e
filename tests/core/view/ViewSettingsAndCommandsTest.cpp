#include "ViewTestSupport.h"

#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTinnitusDaten.h"
#include "core/view/CViewCommands.h"

TEST_F(ViewTest, InitialUpdateWithoutKeysUsesDefaults) {
    m_view.m_bShowHTD = m_view.m_bShowTTD = m_view.m_bLogDarst = true;
    m_view.m_bZusammen = true;
    m_view.OnInitialUpdate();
    EXPECT_EQ(m_view.m_nMinDB, -60);
    EXPECT_EQ(m_view.m_nMaxDB, 10);
    EXPECT_FALSE(m_view.m_bShowHTD);
    EXPECT_FALSE(m_view.m_bShowTTD);
    EXPECT_FALSE(m_view.m_bLogDarst);
    EXPECT_TRUE(m_view.m_bZusammen); // not a setting: kept across documents
    EXPECT_EQ(m_window.tool, 0);
    EXPECT_FALSE(m_window.invalidated.empty());
}

TEST_F(ViewTest, InitialUpdateReadsKeysAndClearsTheSelection) {
    WriteIni("VIEW_MIN_DB=-80\nVIEW_MAX_DB=20\nVIEW_HTD=0\nVIEW_TTD=1\nVIEW_LOGDARST=2\n");
    m_app.m_nDebugLevel = 5;
    CSinusTone* tone = AddTone(m_doc, 1, 1000.0, 0);
    m_view.SetSelectedTone(tone, 1);
    m_view.OnInitialUpdate();
    EXPECT_EQ(m_view.m_nMinDB, -80);
    EXPECT_EQ(m_view.m_nMaxDB, 20);
    EXPECT_FALSE(m_view.m_bShowHTD);
    EXPECT_TRUE(m_view.m_bShowTTD);
    EXPECT_TRUE(m_view.m_bLogDarst);
    int side = 0;
    EXPECT_EQ(m_view.GetSelectedTone(&side), nullptr);
    EXPECT_EQ(side, 3);
    const auto lines = ProtocolLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "CAUVOView::OnInitialUpdate: MinDB = -80, MaxDB = 20");
}

TEST_F(ViewTest, DestroyWritesTheThreeDisplayFlags) {
    m_view.m_bShowHTD = true;
    m_view.m_bLogDarst = true;
    m_view.m_bZusammen = true;
    m_view.OnDestroy();
    const std::string ini = ReadIni();
    EXPECT_NE(ini.find("VIEW_HTD=1"), std::string::npos);
    EXPECT_NE(ini.find("VIEW_TTD=0"), std::string::npos);
    EXPECT_NE(ini.find("VIEW_LOGDARST=1"), std::string::npos);
    EXPECT_EQ(ini.find("VIEW_MIN_DB"), std::string::npos);
    EXPECT_EQ(ini.find("ZUS"), std::string::npos);
}

TEST_F(ViewTest, DisplayTogglesAreCheckedAndRepaint) {
    CViewCommands commands(m_view);
    const int toggles[] = {ID_ZUSAMMEN, ID_VIEW_HOERTEST, ID_VIEW_TINNITUS, ID_LOGDARST,
                           ID_NORMALKURVE};
    for (int id : toggles) {
        EXPECT_TRUE(commands.IsEnabled(id)) << id;
        EXPECT_FALSE(commands.IsChecked(id)) << id;
        m_window.invalidated.clear();
        EXPECT_TRUE(commands.Execute(id)) << id;
        EXPECT_TRUE(commands.IsChecked(id)) << id;
        EXPECT_EQ(m_window.invalidated, std::vector<CRect>{m_window.client}) << id;
    }
    EXPECT_TRUE(m_view.m_bZusammen && m_view.m_bShowHTD && m_view.m_bShowTTD &&
                m_view.m_bLogDarst && m_view.m_bNormalkurve);
    EXPECT_TRUE(commands.IsEnabled(ID_KOMMENTAR));
}

TEST_F(ViewTest, ToneCommandsFollowDisplayAndSelection) {
    CViewCommands commands(m_view);
    EXPECT_FALSE(commands.IsEnabled(ID_TINNITUS_HOEREN)); // no tones, no tinnitus display
    EXPECT_FALSE(commands.IsEnabled(ID_TINNITUS_NEU));
    m_view.m_bShowTTD = true;
    EXPECT_FALSE(commands.IsEnabled(ID_TINNITUS_HOEREN));
    EXPECT_TRUE(commands.IsEnabled(ID_TINNITUS_NEU));
    m_view.m_bZusammen = true;
    EXPECT_FALSE(commands.IsEnabled(ID_TINNITUS_NEU));
    m_view.m_bZusammen = false;

    CSinusTone* tone = AddTone(m_doc, 1, 1000.0, 1000);
    EXPECT_TRUE(commands.IsEnabled(ID_TINNITUS_HOEREN));
    EXPECT_FALSE(commands.IsChecked(ID_TINNITUS_HOEREN));
    EXPECT_TRUE(commands.Execute(ID_TINNITUS_HOEREN));
    EXPECT_EQ(m_doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth);
    EXPECT_TRUE(commands.IsChecked(ID_TINNITUS_HOEREN));
    EXPECT_TRUE(commands.Execute(ID_TINNITUS_HOEREN));
    EXPECT_EQ(m_doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playNone);

    EXPECT_TRUE(commands.Execute(ID_TINNITUS_NEU)); // starts the tones and takes the new-tone tool
    EXPECT_EQ(m_doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth);
    EXPECT_EQ(m_window.tool, 1);

    EXPECT_FALSE(commands.IsEnabled(ID_TINNITUS_LOESCHEN));
    EXPECT_FALSE(commands.IsEnabled(ID_TINNITUS_EIGENSCHAFTEN));
    m_view.SetSelectedTone(tone, 1);
    EXPECT_TRUE(commands.IsEnabled(ID_TINNITUS_LOESCHEN));
    EXPECT_TRUE(commands.IsEnabled(ID_TINNITUS_EIGENSCHAFTEN));
    m_view.m_bShowTTD = false;
    EXPECT_FALSE(commands.IsEnabled(ID_TINNITUS_LOESCHEN));
}

TEST_F(ViewTest, DeletingTheLastSelectedToneStopsPlaying) {
    m_view.m_bShowTTD = true;
    auto dc = ScreenDC();
    m_view.OnDraw(*dc);
    CSinusTone* left = AddTone(m_doc, 0, 1000.0, 1000);
    CSinusTone* right = AddTone(m_doc, 1, 2000.0, 1000);
    m_doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    m_doc.SetModifiedFlag(false);
    CViewCommands commands(m_view);

    m_view.SetSelectedTone(right, 1);
    m_window.invalidated.clear();
    EXPECT_TRUE(commands.Execute(ID_TINNITUS_LOESCHEN));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_TinnitusDaten.GetCount(1), 0);
    EXPECT_EQ(m_view.GetSelectedTone(), nullptr);
    ASSERT_FALSE(m_window.invalidated.empty());
    EXPECT_EQ(m_window.invalidated[0], CRect(1195, 400, 2000, 900));
    EXPECT_EQ(m_doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth); // one left

    m_view.SetSelectedTone(left, 0);
    commands.DeleteSelectedTone();
    EXPECT_EQ(m_doc.m_TinnitusDaten.GetCount(0), 0);
    EXPECT_EQ(m_doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playNone);

    commands.DeleteSelectedTone(); // nothing selected: nothing happens
    EXPECT_FALSE(commands.Execute(ID_TINNITUS_LOESCHEN));
}

TEST_F(ViewTest, ASelectedToneTheDocumentNoLongerHoldsIsNoSelection) {
    const std::string empty = m_folder + "/leer.auvo";
    ASSERT_TRUE(m_doc.OnSaveDocument(empty));
    m_view.m_bShowTTD = true;
    CViewCommands commands(m_view);
    m_view.SetSelectedTone(AddTone(m_doc, 1, 1000.0, 1000), 1);

    // New deletes the tones before anyone tells the view.
    ASSERT_TRUE(m_doc.OnNewDocument());
    int side = 0;
    EXPECT_EQ(m_view.GetSelectedTone(&side), nullptr);
    EXPECT_EQ(side, 3);
    EXPECT_FALSE(commands.IsEnabled(ID_TINNITUS_LOESCHEN));
    EXPECT_FALSE(commands.Execute(ID_TINNITUS_LOESCHEN));

    // Tones made afterwards (one may well take the old address) are never drawn black, and
    // the delete command leaves them alone.
    CSinusTone* fresh = AddTone(m_doc, 1, 1000.0, 1000);
    AddTone(m_doc, 1, 3000.0, 1000);
    auto dc = ScreenDC();
    m_view.OnDraw(*dc);
    const auto circles = dc->CallsOf(CRecordingDC::Kind::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    for (const auto& c : circles)
        EXPECT_EQ(c.brush, CBrush(RGB(255, 0, 0)));
    commands.DeleteSelectedTone();
    EXPECT_EQ(m_doc.m_TinnitusDaten.GetCount(1), 2);

    m_view.SetSelectedTone(fresh, 1);
    EXPECT_EQ(m_view.GetSelectedTone(&side), fresh);
    EXPECT_EQ(side, 1);

    // Opening a file replaces the tones; the document's announcement drops the selection.
    ASSERT_TRUE(m_doc.OnOpenDocument(empty));
    EXPECT_EQ(m_doc.m_TinnitusDaten.GetCount(1), 0);
    EXPECT_EQ(m_view.GetSelectedTone(&side), nullptr);
    EXPECT_EQ(side, 3);
}
