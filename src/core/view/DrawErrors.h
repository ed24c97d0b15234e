#pragma once
// The protocol line for an error that cut a diagram short.

#include <exception>

class CBaseApp;

void ProtocolDrawError(CBaseApp* app, const std::exception& error);
