#include "FailDevice.h"

FailDevice::FailDevice(qint64 failAfter)
    : m_failAfter(failAfter)
{
}

qint64 FailDevice::writeData(const char* data, qint64 length)
{
    if (m_written + length > m_failAfter)
        return -1;
    m_written += length;
    return QBuffer::writeData(data, length);
}
