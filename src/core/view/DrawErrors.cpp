#include "core/view/DrawErrors.h"

#include "core/app/CBaseApp.h"
#include "core/app/TextFormat.h"
#include "platform/archive/CException.h"

#include <cstring>
#include <string>

void ProtocolDrawError(CBaseApp* app, const std::exception& error) {
    if (app == nullptr)
        return;
    // The message buffer holds 128 characters; a longer text is left out, not cut.
    constexpr std::size_t kBuffer = 128;
    std::string text;
    if (const auto* own = dynamic_cast<const CException*>(&error))
        own->GetErrorMessage(text, kBuffer);
    else if (std::strlen(error.what()) < kBuffer)
        text = error.what();
    app->WriteProtocol(FormatText("Interner Fehler in DrawText: '%s'", text.c_str()), 0);
}
