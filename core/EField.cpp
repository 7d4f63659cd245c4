#include "EField.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "%*.*lf" into the buffer; returns the length. Fixed notation by to_chars is what printf
// writes, and it does not depend on the locale.
qsizetype formatFloat(std::array<char, 400>& buffer, double value, int width, int precision)
{
    std::array<char, 400> digits;
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed,
                                      std::clamp(precision, 0, 60));
    qsizetype length = result.ec == std::errc() ? result.ptr - digits.data() : 0;
    const qsizetype padding = std::clamp<qsizetype>(width - length, 0, qsizetype(buffer.size()) - length);
    std::memset(buffer.data(), ' ', size_t(padding));
    std::memcpy(buffer.data() + padding, digits.data(), size_t(length));
    return padding + length;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// EInputStream

EInputStream::EInputStream(QByteArrayView data)
    : m_begin(data.data())
    , m_pos(data.data())
    , m_end(data.data() + data.size())
{
}

int EInputStream::rdstate() const
{
    return m_state;
}

bool EInputStream::good() const
{
    return m_state == GoodBit;
}

bool EInputStream::eof() const
{
    return m_state & EofBit;
}

bool EInputStream::fail() const
{
    return m_state & (FailBit | BadBit);
}

bool EInputStream::bad() const
{
    return m_state & BadBit;
}

void EInputStream::setstate(int bits)
{
    m_state |= bits;
}

void EInputStream::clear(int bits)
{
    m_state = bits;
}

bool EInputStream::atEnd() const
{
    return m_pos == m_end;
}

qsizetype EInputStream::position() const
{
    return m_pos - m_begin;
}

int EInputStream::peek()
{
    if (!good()) {
        setstate(FailBit);
        return -1;
    }
    if (m_pos == m_end) {
        setstate(EofBit);
        return -1;
    }
    return uchar(*m_pos);
}

int EInputStream::get()
{
    if (!good() || m_pos == m_end) {
        setstate(m_pos == m_end ? EofBit | FailBit : FailBit);
        return -1;
    }
    return uchar(*m_pos++);
}

bool EInputStream::skipWhiteSpace()
{
    while (m_pos != m_end && isCSpace(*m_pos))
        ++m_pos;
    if (m_pos == m_end) {
        setstate(EofBit | FailBit);
        return false;
    }
    return true;
}

EInputStream& EInputStream::operator>>(int& value)
{
    if (!good()) {
        setstate(FailBit);
        return *this;
    }
    if (!skipWhiteSpace())
        return *this;
    const bool negative = *m_pos == '-';
    if (*m_pos == '+' || *m_pos == '-')
        ++m_pos;
    const char* digits = m_pos;
    while (m_pos != m_end && isDigit(*m_pos))
        ++m_pos;
    if (m_pos == m_end)
        setstate(EofBit);
    if (m_pos == digits) {
        value = 0;
        setstate(FailBit);
        return *this;
    }
    long long number = 0;
    const auto result = std::from_chars(digits, m_pos, number);
    if (negative)
        number = -number;
    if (result.ec != std::errc() || number > INT_MAX || number < INT_MIN) {
        value = negative ? INT_MIN : INT_MAX;
        setstate(FailBit);
        return *this;
    }
    value = int(number);
    return *this;
}

EInputStream& EInputStream::operator>>(double& value)
{
    if (!good()) {
        setstate(FailBit);
        return *this;
    }
    if (!skipWhiteSpace())
        return *this;
    // Take what a number can be made of, as the standard extraction does, then convert it.
    const char* start = m_pos;
    if (*m_pos == '+' || *m_pos == '-')
        ++m_pos;
    while (m_pos != m_end && isDigit(*m_pos))
        ++m_pos;
    if (m_pos != m_end && *m_pos == '.') {
        ++m_pos;
        while (m_pos != m_end && isDigit(*m_pos))
            ++m_pos;
    }
    if (m_pos != m_end && m_pos != start && (*m_pos == 'e' || *m_pos == 'E')) {
        ++m_pos;
        if (m_pos != m_end && (*m_pos == '+' || *m_pos == '-'))
            ++m_pos;
        while (m_pos != m_end && isDigit(*m_pos))
            ++m_pos;
    }
    if (m_pos == m_end)
        setstate(EofBit);
    const char* numberStart = start != m_pos && *start == '+' ? start + 1 : start;
    double number = 0.0;
    const auto result = std::from_chars(numberStart, m_pos, number);
    if (start == m_pos || result.ec != std::errc() || result.ptr != m_pos) {
        value = 0.0;
        setstate(FailBit);
        return *this;
    }
    value = number;
    return *this;
}

EInputStream& EInputStream::get(std::string& value, qsizetype maxChars, char delimiter)
{
    value.clear();
    if (!good()) {
        setstate(FailBit);
        return *this;
    }
    const qsizetype available = std::min<qsizetype>(maxChars, m_end - m_pos);
    const char* hit = static_cast<const char*>(std::memchr(m_pos, delimiter, size_t(std::max<qsizetype>(available, 0))));
    const char* stop = hit ? hit : m_pos + std::max<qsizetype>(available, 0);
    value.assign(m_pos, stop);
    m_pos = stop;
    if (!hit && m_pos == m_end && qsizetype(value.size()) < maxChars)
        setstate(EofBit);
    if (value.empty())
        setstate(FailBit);
    return *this;
}

EInputStream& EInputStream::ignore(qsizetype maxChars, char delimiter)
{
    if (!good()) {
        setstate(FailBit);
        return *this;
    }
    const qsizetype available = std::min<qsizetype>(maxChars, m_end - m_pos);
    const char* hit = static_cast<const char*>(std::memchr(m_pos, delimiter, size_t(std::max<qsizetype>(available, 0))));
    if (hit) {
        m_pos = hit + 1;
        return *this;
    }
    m_pos += std::max<qsizetype>(available, 0);
    if (m_pos == m_end && available < maxChars)
        setstate(EofBit);
    return *this;
}

EInputStream& EInputStream::getline(std::string& line, qsizetype maxChars)
{
    line.clear();
    if (!good()) {
        setstate(FailBit);
        return *this;
    }
    const char* hit = static_cast<const char*>(std::memchr(m_pos, '\n', size_t(m_end - m_pos)));
    const char* lineEnd = hit ? hit : m_end;
    if (lineEnd - m_pos > maxChars) {
        line.assign(m_pos, m_pos + maxChars);
        m_pos += maxChars;
        setstate(FailBit);
        return *this;
    }
    line.assign(m_pos, lineEnd);
    m_pos = hit ? hit + 1 : m_end;
    if (!hit) {
        setstate(EofBit);
        if (line.empty())
            setstate(FailBit);
    }
    return *this;
}

// ---------------------------------------------------------------------------------------------
// EOutputStream

namespace {
constexpr qsizetype FlushSize = 1 << 20;
}

EOutputStream::EOutputStream(QIODevice* device, bool textMode)
    : m_device(device)
    , m_textMode(textMode)
{
    // The buffer grows with what is written instead of taking a megabyte up front: most
    // writes (a small database, a label file) need a few kilobytes, and a large save reaches
    // its full size after a few doublings and keeps it between flushes.
}

EOutputStream::~EOutputStream() = default;

int EOutputStream::rdstate() const
{
    return m_state;
}

bool EOutputStream::fail() const
{
    return m_state & (EInputStream::FailBit | EInputStream::BadBit);
}

bool EOutputStream::bad() const
{
    return m_state & EInputStream::BadBit;
}

EOutputStream& EOutputStream::put(char c)
{
    if (c == '\n' || fail())
        return write(&c, 1);
    // The separators between fields come one character at a time.
    m_buffer.append(c);
    if (m_buffer.size() >= FlushSize)
        flush();
    return *this;
}

EOutputStream& EOutputStream::write(const char* data, qsizetype size)
{
    if (fail())
        return *this;
    if (!m_textMode) {
        m_buffer.append(data, size);
    } else {
        const char* end = data + size;
        while (data != end) {
            const char* lineFeed = static_cast<const char*>(std::memchr(data, '\n', size_t(end - data)));
            if (!lineFeed) {
                m_buffer.append(data, end - data);
                break;
            }
            m_buffer.append(data, lineFeed - data);
            m_buffer.append("\r\n", 2);
            data = lineFeed + 1;
        }
    }
    if (m_buffer.size() >= FlushSize)
        flush();
    return *this;
}

EOutputStream& EOutputStream::operator<<(QByteArrayView text)
{
    return write(text.data(), text.size());
}

bool EOutputStream::flush()
{
    if (fail())
        return false;
    if (!m_buffer.isEmpty()) {
        if (!m_device || m_device->write(m_buffer) != m_buffer.size())
            m_state |= EInputStream::BadBit | EInputStream::FailBit;
        m_buffer.resize(0); // keeps the capacity for the next megabyte
    }
    return !fail();
}

// ---------------------------------------------------------------------------------------------
// Exceptions

EFieldException::EFieldException(int code, QByteArray fieldName)
    : m_code(code)
    , m_fieldName(std::move(fieldName))
{
}

int EFieldException::code() const
{
    return m_code;
}

QByteArray EFieldException::fieldName() const
{
    return m_fieldName;
}

const char* EFieldException::what() const noexcept
{
    return m_fieldName.constData();
}

ELineException::ELineException(int fieldIndex, int lineNumber, const EFieldException& fieldException)
    : m_fieldIndex(fieldIndex)
    , m_lineNumber(lineNumber)
    , m_fieldException(fieldException)
{
    std::array<char, 100> text;
    std::snprintf(text.data(), text.size(), "An error occured while reading line %d, parameter (%s)!", lineNumber,
                  fieldException.fieldName().constData());
    m_message = QByteArray(text.data());
}

int ELineException::fieldIndex() const
{
    return m_fieldIndex;
}

int ELineException::lineNumber() const
{
    return m_lineNumber;
}

const EFieldException& ELineException::fieldException() const
{
    return m_fieldException;
}

bool ELineException::isEndOfFile() const
{
    return m_fieldException.code() & EInputStream::EofBit;
}

QByteArray ELineException::message() const
{
    return m_message;
}

const char* ELineException::what() const noexcept
{
    return m_message.constData();
}

// ---------------------------------------------------------------------------------------------
// Fields

EField::EField(QByteArray name)
    : m_name(std::move(name))
{
}

EField::~EField() = default;

QByteArray EField::name() const
{
    return m_name;
}

EIntField::EIntField(QByteArray name)
    : EField(std::move(name))
{
}

int EIntField::value() const
{
    return m_value;
}

void EIntField::setValue(int value)
{
    m_value = value;
}

QByteArray EIntField::toString() const
{
    return QByteArray::number(m_value);
}

EInputStream& EIntField::read(EInputStream& in)
{
    return in >> m_value;
}

EOutputStream& EIntField::write(EOutputStream& out) const
{
    std::array<char, 16> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), m_value);
    return out.write(buffer.data(), result.ptr - buffer.data());
}

ECharField::ECharField() = default;

ECharField::ECharField(QByteArray name)
    : EField(std::move(name))
{
}

char ECharField::value() const
{
    return m_value;
}

void ECharField::setValue(char value)
{
    m_value = value;
}

QByteArray ECharField::toString() const
{
    return QByteArray(1, m_value);
}

EInputStream& ECharField::read(EInputStream& in)
{
    const int c = in.get();
    if (c >= 0)
        m_value = char(c);
    return in;
}

EOutputStream& ECharField::write(EOutputStream& out) const
{
    return out.put(m_value);
}

EFloatField::EFloatField(int width, int precision)
    : EFloatField(QByteArray(), width, precision)
{
}

EFloatField::EFloatField(QByteArray name, int width, int precision)
    : EField(std::move(name))
    , m_width(width)
    , m_precision(precision)
{
}

double EFloatField::value() const
{
    return m_value;
}

void EFloatField::setValue(double value)
{
    m_value = value;
}

int EFloatField::width() const
{
    return m_width;
}

int EFloatField::precision() const
{
    return m_precision;
}

QByteArray EFloatField::toString() const
{
    std::array<char, 400> buffer;
    return QByteArray(buffer.data(), formatFloat(buffer, m_value, m_width, m_precision));
}

EInputStream& EFloatField::read(EInputStream& in)
{
    return in >> m_value;
}

EOutputStream& EFloatField::write(EOutputStream& out) const
{
    std::array<char, 400> buffer;
    return out.write(buffer.data(), formatFloat(buffer, m_value, m_width, m_precision));
}

EStringField::EStringField() = default;

EStringField::EStringField(QByteArray name, char delimiter)
    : EField(std::move(name))
    , m_delimiter(delimiter)
{
}

const std::string& EStringField::value() const
{
    return m_value;
}

void EStringField::setValue(std::string_view value)
{
    m_value.assign(value);
}

char EStringField::delimiter() const
{
    return m_delimiter;
}

QByteArray EStringField::toString() const
{
    return QByteArray(m_value.data(), qsizetype(m_value.size()));
}

EInputStream& EStringField::read(EInputStream& in)
{
    if (in.peek() == uchar(m_delimiter)) {
        m_value.clear();
        return in;
    }
    return in.get(m_value, MaxLength, m_delimiter);
}

EOutputStream& EStringField::write(EOutputStream& out) const
{
    return out.write(m_value.data(), qsizetype(m_value.size()));
}

// ---------------------------------------------------------------------------------------------
// EFieldLine

EFieldLine::EFieldLine() = default;

void EFieldLine::append(EField* field)
{
    m_fields.push_back(field);
}

void EFieldLine::reserve(qsizetype fields)
{
    m_fields.reserve(size_t(std::max<qsizetype>(fields, 0)));
}

const std::vector<EField*>& EFieldLine::fields() const
{
    return m_fields;
}

int EFieldLine::count() const
{
    return m_count;
}

void EFieldLine::read(EInputStream& in)
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i]->read(in);
        if (in.rdstate() != EInputStream::GoodBit) {
            int code = in.rdstate();
            if (code & EInputStream::BadBit)
                code |= EInputStream::FailBit;
            throw ELineException(int(i), m_count, EFieldException(code, m_fields[i]->name()));
        }
    }
    ++m_count;
}

void EFieldLine::write(EOutputStream& out)
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i]->write(out);
        if (out.fail())
            throw ELineException(int(i), m_count, EFieldException(out.rdstate(), m_fields[i]->name()));
    }
    ++m_count;
}
