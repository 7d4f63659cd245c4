#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns the signals that ask a program to end (SIGTERM, SIGHUP, SIGINT) into a Qt signal the
// event loop delivers, so that the program can end as Quit does: the handler only writes the
// signal's number into a pipe, and everything else happens in the event loop. A second signal of
// the same kind ends the program at once, for a program that no longer answers.
//
// The handlers are installed at construction; received() is emitted only once start() was
// called, so that a signal that comes while the main window is being made waits for it.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    void start();

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_former[3] = {};
};
