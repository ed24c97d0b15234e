#include "core/export/CCommandLineRun.h"

#include "core/app/StringTable.h"
#include "platform/archive/CFileException.h"
#include "platform/sound/SilentAudioOutput.h"
#include "platform/sound/SoundDevice.h"

#include <filesystem>
#include <iostream>
#include <system_error>

CCommandLineRun::CCommandLineRun(const std::string& exePath, std::ostream& err) : m_messages(err) {
    m_app.SetMessageBoxService(&m_messages);
    m_app.LoadSettingsWithoutWindow(exePath);
}

CCommandLineRun::~CCommandLineRun() {
    CloseSound();
    m_app.SetMessageBoxService(nullptr);
}

bool CCommandLineRun::OpenSound(std::unique_ptr<IAudioOutput> output) {
    CloseSound();
    if (!output)
        output = std::make_unique<SilentAudioOutput>();
    SoundDevice* device = nullptr;
    if (SoundDevice::Create(std::move(output), &device) != DS_OK || device == nullptr)
        return false;
    m_pDevice = device;
    m_app.SetSoundDevice(device);
    return true;
}

void CCommandLineRun::CloseSound() {
    m_app.m_pDirectSound = nullptr;
    if (m_pDevice != nullptr)
        m_pDevice->Release();
    m_pDevice = nullptr;
}

void CCommandLineRun::ReportNotSaved(const std::string& path, int osError) {
    std::string cause;
    CBaseApp::FileErrorText(osError != 0 ? CFileException::OsErrorToCause(osError)
                                         : CFileException::genericException,
                            cause, 256);
    m_app.ErrorBox(StringTable::Format(StringTable::kFileNotSaved, path, cause));
}

std::string CCommandLineRun::ExePath(int argc, char** argv) {
    std::error_code ec;
    std::string path = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec && argc > 0)
        path = argv[0];
    return path;
}

std::vector<std::string> CCommandLineRun::Arguments(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return args;
}

int CCommandLineRun::Main(int argc, char** argv, RunFunction run) {
    return run(Arguments(argc, argv), ExePath(argc, argv), std::cerr);
}

bool CCommandLineRun::IsSameFile(const std::string& out, const std::string& document) {
    std::error_code ec;
    return std::filesystem::equivalent(out, document, ec);
}
