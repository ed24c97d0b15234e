#pragma once
// Which lock keys are on, for the status bar's indicators. Read from the windowing system
// where it tells; tests set their own.

struct LockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

class ILockKeys {
public:
    virtual ~ILockKeys() = default;
    // All off where the state cannot be read, so no indicator claims a lock that is not on.
    virtual LockKeyState Read() const = 0;
};
