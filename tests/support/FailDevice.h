#pragma once

#include <QBuffer>

// A device that accepts a number of bytes and then fails every write, like a full disk.
class FailDevice : public QBuffer
{
public:
    explicit FailDevice(qint64 failAfter);

protected:
    qint64 writeData(const char* data, qint64 length) override;

private:
    qint64 m_failAfter;
    qint64 m_written = 0;
};
