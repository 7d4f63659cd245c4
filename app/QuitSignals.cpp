#include "QuitSignals.h"

#include <QDebug>
#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Handled[] = {SIGTERM, SIGHUP, SIGINT};
// The pipe from the handler to the event loop: read end, write end.
int g_pipe[2] = {-1, -1};

// Runs in the signal's context: only async-signal-safe calls.
void onSignal(int number)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

QuitSignals::QuitSignals(QObject* parent)
    : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("The quit signals cannot be handled");
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    m_notifier->setEnabled(false);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::readPipe);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (size_t i = 0; i < std::size(Handled); ++i)
        sigaction(Handled[i], &action, &m_former[i]);
}

QuitSignals::~QuitSignals()
{
    if (!m_notifier)
        return;
    for (size_t i = 0; i < std::size(Handled); ++i)
        sigaction(Handled[i], &m_former[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void QuitSignals::start()
{
    if (m_notifier)
        m_notifier->setEnabled(true);
}

void QuitSignals::readPipe()
{
    int last = 0;
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        last = byte;
    if (last)
        Q_EMIT received(last);
}
