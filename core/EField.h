#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <exception>
#include <string>
#include <vector>

class QIODevice;

// An 8-bit input stream over text held in memory, with the state bits and extraction rules of
// the standard narrow streams in the "C" locale. Reading a whole database into memory and
// parsing it through this stream keeps the field objects' stream interface without paying a
// virtual stream-buffer call for every character.
class EInputStream
{
public:
    enum StateBit { GoodBit = 0, EofBit = 1, FailBit = 2, BadBit = 4 };

    // The data must stay alive and unchanged while the stream is used.
    explicit EInputStream(QByteArrayView data);

    int rdstate() const;
    bool good() const;
    bool eof() const;
    bool fail() const;
    bool bad() const;
    void setstate(int bits);
    void clear(int bits = GoodBit);

    // Whether every character has been consumed (does not change the state).
    bool atEnd() const;
    qsizetype position() const;

    // The next character without consuming it, or -1 (setting the end-of-file bit) at the end.
    int peek();
    // One raw character, or -1 with end of file and failure at the end.
    int get();

    // Formatted extraction: leading white space is skipped.
    EInputStream& operator>>(int& value);
    EInputStream& operator>>(double& value);

    // Takes up to maxChars characters before the delimiter, which stays in the stream.
    // Reaching the end of the data sets the end-of-file bit; nothing taken sets failure.
    EInputStream& get(std::string& value, qsizetype maxChars, char delimiter);
    // Discards up to maxChars characters, up to and including the delimiter.
    EInputStream& ignore(qsizetype maxChars, char delimiter);
    // Reads a line without its line end; a line longer than maxChars leaves the stream failed.
    EInputStream& getline(std::string& line, qsizetype maxChars);

private:
    bool skipWhiteSpace();

    const char* m_begin;
    const char* m_pos;
    const char* m_end;
    int m_state = GoodBit;
};

// An 8-bit output stream that collects text and hands it to a device in large blocks. In text
// mode every line feed is written as CR LF, so files are the same on every platform.
class EOutputStream
{
public:
    EOutputStream(QIODevice* device, bool textMode);
    ~EOutputStream();

    int rdstate() const;
    bool fail() const;
    bool bad() const;

    EOutputStream& put(char c);
    EOutputStream& write(const char* data, qsizetype size);
    EOutputStream& operator<<(QByteArrayView text);
    // Writes what is collected to the device; a short write sets bad and failure.
    bool flush();

private:
    QIODevice* m_device;
    QByteArray m_buffer;
    bool m_textMode;
    int m_state = EInputStream::GoodBit;
};

// Raised by a single field that could not be read or written.
class EFieldException : public std::exception
{
public:
    EFieldException(int code, QByteArray fieldName);

    // Stream state after the failing operation: 1 end of file, 2 failure, 4 bad stream.
    int code() const;
    QByteArray fieldName() const;
    const char* what() const noexcept override;

private:
    int m_code;
    QByteArray m_fieldName;
};

// Raised by a line; names the line and the field that failed.
class ELineException : public std::exception
{
public:
    ELineException(int fieldIndex, int lineNumber, const EFieldException& fieldException);

    int fieldIndex() const;
    int lineNumber() const;
    const EFieldException& fieldException() const;
    bool isEndOfFile() const;
    // "An error occured while reading line %d, parameter (%s)!"; also used for write failures.
    QByteArray message() const;
    const char* what() const noexcept override;

private:
    int m_fieldIndex;
    int m_lineNumber;
    EFieldException m_fieldException;
    QByteArray m_message;
};

// A typed value that reads itself from and writes itself to an 8-bit stream.
class EField
{
public:
    explicit EField(QByteArray name = QByteArray());
    virtual ~EField();

    QByteArray name() const;

    virtual QByteArray toString() const = 0;
    virtual EInputStream& read(EInputStream& in) = 0;
    virtual EOutputStream& write(EOutputStream& out) const = 0;

private:
    QByteArray m_name;
};

class EIntField final : public EField
{
public:
    explicit EIntField(QByteArray name = QByteArray());

    int value() const;
    void setValue(int value);

    QByteArray toString() const override;
    EInputStream& read(EInputStream& in) override;
    EOutputStream& write(EOutputStream& out) const override;

private:
    int m_value = 0;
};

class ECharField final : public EField
{
public:
    ECharField();
    explicit ECharField(QByteArray name);

    char value() const;
    void setValue(char value);

    QByteArray toString() const override;
    // Takes exactly one raw character, whatever it is.
    EInputStream& read(EInputStream& in) override;
    EOutputStream& write(EOutputStream& out) const override;

private:
    char m_value = 0;
};

class EFloatField final : public EField
{
public:
    EFloatField(int width, int precision);
    EFloatField(QByteArray name, int width, int precision);

    double value() const;
    void setValue(double value);
    int width() const;
    int precision() const;

    // "%*.*lf" with the width and the precision.
    QByteArray toString() const override;
    EInputStream& read(EInputStream& in) override;
    EOutputStream& write(EOutputStream& out) const override;

private:
    int m_width;
    int m_precision;
    double m_value = 0.0;
};

class EStringField final : public EField
{
public:
    // The longest text a field takes when read; a longer one is cut here.
    static constexpr qsizetype MaxLength = 199;

    EStringField();
    EStringField(QByteArray name, char delimiter);

    const std::string& value() const;
    void setValue(std::string_view value);
    char delimiter() const;

    QByteArray toString() const override;
    // Takes the text up to, not including, the delimiter (at most MaxLength characters).
    EInputStream& read(EInputStream& in) override;
    EOutputStream& write(EOutputStream& out) const override;

private:
    std::string m_value;
    char m_delimiter = ';';
};

// One line layout: an ordered list of fields, read or written one after the other.
// The same field may stand in the list several times (the separator of a database line).
class EFieldLine
{
public:
    EFieldLine();

    void append(EField* field);
    // Makes room for this many fields, so that appending them allocates nothing more.
    void reserve(qsizetype fields);
    const std::vector<EField*>& fields() const;
    // Number of lines completely read or written through this layout.
    int count() const;

    // Throw ELineException naming the field that failed.
    void read(EInputStream& in);
    void write(EOutputStream& out);

private:
    int m_count = 0;
    std::vector<EField*> m_fields;
};
