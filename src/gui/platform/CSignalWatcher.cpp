#include "gui/platform/CSignalWatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_fds[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void HandleSignal(int sig) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(sig);
    [[maybe_unused]] ssize_t n = ::write(g_fds[0], &byte, 1);
    errno = saved;
}
} // namespace

CSignalWatcher::CSignalWatcher(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0)
        return;
    ::fcntl(g_fds[0], F_SETFL, ::fcntl(g_fds[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(g_fds[1], F_SETFL, ::fcntl(g_fds[1], F_GETFL) | O_NONBLOCK);
    m_pNotifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CSignalWatcher::OnReadable);

    struct sigaction sa {};
    sa.sa_handler = HandleSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        ::sigaction(sig, &sa, nullptr);
}

CSignalWatcher::~CSignalWatcher() {
    for (int sig : kSignals)
        ::signal(sig, SIG_DFL);
    delete m_pNotifier;
    for (int& fd : g_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool CSignalWatcher::Poll() {
    unsigned char byte = 0;
    while (g_fds[1] >= 0 && ::read(g_fds[1], &byte, 1) == 1) {
        m_bReceived = true;
        m_nSignal = byte;
    }
    return m_bReceived;
}

void CSignalWatcher::OnReadable() {
    if (!Poll())
        return;
    emit Terminate(m_nSignal);
    // exit() rather than quit(): no close events, so no question can hold the end up.
    QCoreApplication::exit(0);
}
