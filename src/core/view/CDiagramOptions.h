#pragma once
// What a diagram reads from the view besides its area.

class CSinusTone;

struct CDiagramOptions {
    int minDB = -60;
    int maxDB = 10;
    bool together = false;
    bool logarithmic = false;
    bool normalCurve = false;             // audiogram only
    const CSinusTone* selected = nullptr; // tinnitus diagram only
};
