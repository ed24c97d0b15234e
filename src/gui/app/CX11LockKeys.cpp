#include "gui/app/CX11LockKeys.h"

#include <QGuiApplication>

#if defined(AUVO_HAVE_X11) && QT_CONFIG(xcb)
// Last: Xlib defines macros (None, Bool, Status) that clash with Qt's names.
#include <X11/XKBlib.h>

namespace {
// Indicators by their standard names: their numbers differ between keyboard maps.
bool IndicatorOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    return atom != None &&
           XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) == True &&
           on == True;
}
} // namespace

LockKeyState CX11LockKeys::Read() const {
    LockKeyState state;
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return state;
    state.caps = IndicatorOn(display, "Caps Lock");
    state.num = IndicatorOn(display, "Num Lock");
    state.scroll = IndicatorOn(display, "Scroll Lock");
    return state;
}
#else
LockKeyState CX11LockKeys::Read() const {
    return {};
}
#endif
