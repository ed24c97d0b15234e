// Feeds arbitrary bytes to the document reader. Whatever it accepts must save and read back
// to the same bytes; whatever it refuses must leave the document as it was.
#include "core/app/CAUVOApp.h"
#include "core/app/IMessageBoxService.h"
#include "core/document/CAUVODoc.h"
#include "platform/archive/CArchive.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

class SilentBoxes : public IMessageBoxService {
public:
    void Show(const std::string&, const std::string&, Icon) override {}
    void ShowSystemModal(const std::string&) override {}
    bool Confirm(const std::string&, const std::string&, Icon, bool) override { return false; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

CAUVOApp* g_app = nullptr;

std::vector<std::uint8_t> Store(CAUVODoc& doc) {
    CArchive ar;
    doc.Serialize(ar);
    return ar.TakeStoredBytes();
}

bool Load(CAUVODoc& doc, const std::vector<std::uint8_t>& bytes) {
    CArchive ar(bytes);
    try {
        doc.Serialize(ar);
        return true;
    } catch (...) {
        return false;
    }
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_document: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("AUVO_AUDIO_OUTPUT", "null", 1);
    static SilentBoxes boxes;
    g_app = new CAUVOApp();
    g_app->SetMessageBoxService(&boxes);
    if (DirectSoundCreate(nullptr, &g_app->m_pDirectSound, nullptr) != 0)
        Fail("no null sound device");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CAUVODoc doc;
    doc.OnNewDocument();
    const std::vector<std::uint8_t> fresh = Store(doc);

    const std::vector<std::uint8_t> input(data, data + size);
    if (!Load(doc, input)) {
        if (Store(doc) != fresh)
            Fail("a refused file changed the document");
        return 0;
    }
    // What was accepted is saved; that must read back and save the same again.
    const std::vector<std::uint8_t> saved = Store(doc);
    CAUVODoc again;
    if (!Load(again, saved))
        Fail("a saved document cannot be read back");
    if (Store(again) != saved)
        Fail("a saved document reads back differently");
    return 0;
}
