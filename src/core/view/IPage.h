#pragma once
// One page that draws itself on any device context: the measurement's page and the trend
// page share the screen, print, PDF and PNG paths through it.

#include "platform/dc/CDC.h"

class IPage {
public:
    virtual ~IPage() = default;
    virtual void OnDraw(CDC& dc) = 0;
};
