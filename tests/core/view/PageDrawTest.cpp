#include "ViewTestSupport.h"

using Kind = CRecordingDC::Kind;

TEST_F(ViewTest, PageTextsFontsAndPlaces) {
    m_view.m_bShowHTD = true;
    m_view.m_bShowTTD = true;
    m_doc.m_strKommentar = "erste Zeile\nzweite";
    auto dc = ScreenDC();
    m_view.OnDraw(*dc);

    const auto header = dc->TextsEqual("AUVO Hörtest-Programm  -  Messung: Unbenannt\n06.12.2026");
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0].rect, CRect(50, -50, 2000, -250));
    EXPECT_EQ(header[0].flags, DT_CENTER | DT_WORDBREAK);
    EXPECT_EQ(header[0].font.GetHeight(), 50);
    EXPECT_EQ(header[0].font.GetWeight(), 500);

    const auto comment = dc->TextsEqual("erste Zeile\nzweite");
    ASSERT_EQ(comment.size(), 1u);
    EXPECT_EQ(comment[0].rect, CRect(50, -1650, 2000, -1750)); // two lines
    EXPECT_EQ(comment[0].flags, DT_WORDBREAK);
    EXPECT_EQ(comment[0].font.GetHeight(), 50);

    const auto footer = dc->CallsOf(Kind::DrawText).back();
    EXPECT_EQ(footer.text.substr(footer.text.size() - 20), " - AUVO Version 2.10");
    EXPECT_EQ(footer.rect, CRect(50, -1851, 2000, -1921));
    EXPECT_EQ(footer.font.GetHeight(), 35);
    EXPECT_EQ(footer.font.GetWeight(), 400);
    EXPECT_TRUE(dc->TextsEqual("Vergleichsdokument: ").empty());

    // Two audiograms and two tinnitus diagrams.
    EXPECT_EQ(dc->TextsEqual("Links").size(), 2u);
    EXPECT_EQ(dc->TextsEqual("Rechts").size(), 2u);
    // The device is left as it was.
    EXPECT_EQ(dc->GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc->GetCurrentPen(), CPen::Stock(BLACK_PEN));
    EXPECT_FALSE(dc->GetCurrentBrush().IsHollow());
    EXPECT_EQ(dc->GetCurrentFont(), CFont::Default());
}

TEST_F(ViewTest, PageComparisonLine) {
    m_doc.m_pVergleichsDoc = std::make_unique<CAUVODoc>();
    m_doc.m_pVergleichsDoc->m_HoertestDaten.Init(8);
    m_doc.m_pVergleichsDoc->SetTitle("alt.auvo");
    auto dc = ScreenDC();
    m_view.OnDraw(*dc);
    const auto line = dc->TextsEqual("Vergleichsdokument: alt.auvo");
    ASSERT_EQ(line.size(), 1u);
    // No rows shown: comment (50, -450, 2000, -500).
    EXPECT_EQ(line[0].rect, CRect(50, -600, 2000, -670));
    EXPECT_EQ(line[0].flags, 0u);
    EXPECT_EQ(line[0].font.GetHeight(), 35);
}

TEST_F(ViewTest, PageDrawsOnlyWhatMeetsTheClipRegion) {
    m_view.m_bShowHTD = true;
    m_view.m_bShowTTD = true;
    auto dc = ScreenDC();
    dc->SetClipBoxDevice(CRect(0, 0, 2100, 280)); // the header only
    m_view.m_rectLinks = CRect(1, 2, 3, 4);
    m_view.OnDraw(*dc);
    EXPECT_TRUE(dc->TextsEqual("Links").empty());
    EXPECT_EQ(dc->CallsOf(Kind::DrawText).size(), 2u); // header and comment
    EXPECT_EQ(m_view.m_rectLinks, CRect(1, 2, 3, 4));  // not drawn, not refreshed

    dc->ClearCalls();
    dc->SetClipBoxDevice(CRect(1100, 950, 2100, 1600)); // the right tinnitus diagram
    m_view.OnDraw(*dc);
    ASSERT_EQ(dc->TextsEqual("Rechts").size(), 1u);
    EXPECT_EQ(dc->TextsEqual("Rechts")[0].from.y, -950);
    EXPECT_EQ(m_view.m_rectLinks, CRect(1, 2, 3, 4));
    EXPECT_EQ(m_view.m_rectRechts, CRect(1195, -1500, 2000, -1000));
}

TEST_F(ViewTest, PageProtocolLinesAtDebugLevelFive) {
    m_app.m_nDebugLevel = 4;
    auto quiet = ScreenDC();
    m_view.OnDraw(*quiet);
    EXPECT_TRUE(ProtocolLines().empty());

    m_app.m_nDebugLevel = 5;
    auto dc = ScreenDC();
    m_view.OnDraw(*dc);
    EXPECT_EQ(ProtocolLines(),
              (std::vector<std::string>{
                  "CAUVOView::OnDraw: Draw, Zus = 0",
                  "DC: 2100 x 4000, HDPI=254, VDPI=254, PLANES=1, BPP=32, TECHNOLOGY=RASDISPLAY",
                  "VO: 0, 0 - WO: 0, 0 - VE: 2100 x -4000 - WE: 2100 x 4000 - Client: 2100 x "
                  "1500, Scale 1.000000"}));
}

TEST_F(ViewTest, PrintedPageTakesItsWidthFromThePrinter) {
    m_app.m_nDebugLevel = 5;
    m_view.m_bZusammen = true;
    CRecordingDC::Caps a4;
    a4.horzRes = 4960; // 600 dpi, 210 mm
    a4.vertRes = 7016;
    a4.logPixelsX = 600;
    a4.logPixelsY = 600;
    a4.technology = DT_RASPRINTER;
    CRecordingDC printer(a4, true);
    m_view.OnDraw(printer);
    // Window extent 4960 * 254 / 600 = 2099.7 -> 2100 units, so R = 2000.
    EXPECT_EQ(printer.CallsOf(Kind::DrawText).front().rect, CRect(50, -50, 2000, -250));
    const auto lines = ProtocolLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "CAUVOView::OnDraw: Print, Zus = 1");
    EXPECT_EQ(lines[1],
              "DC: 4960 x 7016, HDPI=600, VDPI=600, PLANES=1, BPP=32, TECHNOLOGY=RASPRINTER");
}

// A comment far longer than any page: only what can show below the comment's top is laid out.
TEST_F(ViewTest, HugeCommentDrawsOnlyItsVisibleLines) {
    std::string comment;
    for (int i = 0; comment.size() < 1000000; ++i)
        comment += "Zeile " + std::to_string(i) + "\r\n";
    m_doc.m_strKommentar = comment;
    auto dc = ScreenDC();
    dc->SetClipBoxDevice(CRect(0, 0, 2100, 1000));
    m_view.OnDraw(*dc);
    const auto texts = dc->CallsOf(Kind::DrawText);
    ASSERT_EQ(texts.size(), 2u); // header and comment; the footer lies far below
    const auto& drawn = texts[1];
    EXPECT_EQ(drawn.rect.top, -450);
    EXPECT_EQ(comment.compare(0, drawn.text.size(), drawn.text), 0);
    // Lines from -450 down to the clip's lower edge at -1000.
    EXPECT_NE(drawn.text.find("Zeile 11\r"), std::string::npos);
    EXPECT_LT(drawn.text.size(), 200u);
}
