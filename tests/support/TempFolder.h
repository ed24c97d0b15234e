#pragma once
// A fresh folder below the system's temporary folder for one test, removed with everything in
// it (also after a test took its permissions away).

#include <cstdint>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Empty when the folder could not be made.
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    // The names directly inside, in no particular order.
    std::vector<std::string> Names() const;

    static std::string ReadText(const std::string& path);
    static void WriteText(const std::string& path, const std::string& data);
    static std::vector<std::uint8_t> ReadBytes(const std::string& path);
    static void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

private:
    std::string m_path;
};
