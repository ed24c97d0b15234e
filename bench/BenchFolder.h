#pragma once
// What the benchmarks that write files share: sound on the null output, and a fresh folder of
// their own below the temporary directory.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

// The folder's path; empty when it could not be made.
inline std::string MakeBenchFolder() {
    setenv("AUVO_AUDIO_OUTPUT", "null", 1);
    std::string pattern = (std::filesystem::temp_directory_path() / "auvo-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}
