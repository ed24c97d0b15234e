#pragma once
// Silences a document's tinnitus sounds for as long as it lives, and then lets exactly the
// sounds play again that played before. Every measurement holds one: a tinnitus tone would mask
// or add to the test tone, and in the headphone check it would sound on the ear that should be
// silent. Nothing of the document changes (play mode, tones, modified flag). UI thread only.

#include <cstdint>
#include <vector>

class CSinusTone;
class CTinnitusDaten;

class CTinnitusPause {
public:
    explicit CTinnitusPause(CTinnitusDaten& tinnitus);
    ~CTinnitusPause();
    CTinnitusPause(const CTinnitusPause&) = delete;
    CTinnitusPause& operator=(const CTinnitusPause&) = delete;

private:
    CTinnitusDaten& m_tinnitus;
    std::vector<CSinusTone*> m_playing;
    std::uint32_t m_nDeletions;
};
