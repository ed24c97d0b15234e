#pragma once
// The page of a trend, drawn like the measurement's page (same header, fonts, colours and
// footer) on screen, paper, PDF and PNG: for each ear a diagram with the measurements in
// date order from left to right, one line per frequency at the audiogram's levels (worse is
// lower), significant changes circled, "nicht gemessen" where an ear was not tested, and a
// line of text saying what changed.

#include "core/trend/CTrend.h"
#include "core/view/IPage.h"
#include "platform/dc/CRect.h"

class CTrendPage : public IPage {
public:
    static constexpr int kLegendWidth = 200;    // frequency names right of the lines
    static constexpr int kEdge = 50;            // first and last measurement from the axis ends
    static constexpr int kDateLabelWidth = 250; // room of one date under the axis
    static constexpr int kMarkRadius = 15;
    static constexpr int kMarkWidth = 4;
    static constexpr int kNameHeight = 35; // least distance of two line names

    // Where each piece goes, in 0.1 mm with y upwards; side 0 left, any other right.
    class Layout {
    public:
        explicit Layout(int pageWidth);
        const CRect& Header() const { return m_header; }
        const CRect& Diagram(int side) const { return m_diagram[side == 0 ? 0 : 1]; }
        const CRect& Summary(int side) const { return m_summary[side == 0 ? 0 : 1]; }
        const CRect& Reference() const { return m_reference; }
        const CRect& Footer() const { return m_footer; }

    private:
        CRect m_header;
        CRect m_diagram[2];
        CRect m_summary[2];
        CRect m_reference;
        CRect m_footer;
    };

    explicit CTrendPage(CTrend trend) : m_trend(std::move(trend)) {}

    const CTrend& Trend() const { return m_trend; }
    // The width in pixels of the window that shows the page on screen.
    void SetClientWidth(int pixels) { m_nClientWidth = pixels; }

    void OnDraw(CDC& dc) override;

    // x of measurement index of count on a level axis x0 with the lines ending at right.
    static int MeasurementX(int index, int count, int x0, int right);
    // The level range in dB: -60 to 10 as in the audiogram, widened in steps of 10 dB to
    // hold every value.
    static void LevelRange(int minValue, int maxValue, int& minDB, int& maxDB);

private:
    void DrawDiagram(CDC& dc, int side, const CRect& area) const;
    std::string ReferenceText() const;

    CTrend m_trend;
    int m_nClientWidth = 0;
};
