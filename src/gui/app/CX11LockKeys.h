#pragma once
// The lock keys' state from the X keyboard extension of the application's X display; all
// off on any other platform (Wayland, offscreen). UI thread only.

#include "gui/app/ILockKeys.h"

class CX11LockKeys : public ILockKeys {
public:
    LockKeyState Read() const override;
};
