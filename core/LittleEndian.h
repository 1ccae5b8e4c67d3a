#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// Reading the little-endian numbers of the Windows picture formats and of GIF
// from bytes that came from outside (a file, a resource), bounds-checked so a
// damaged length can never make a reader step past the data.
namespace LittleEndian {

// The number at a place; 0 where it would reach past the data.
inline quint16 u16At(QByteArrayView data, qsizetype at)
{
    if (at < 0 || at + 2 > data.size())
        return 0;
    return quint16(quint8(data[at]) | (quint8(data[at + 1]) << 8));
}

inline quint32 u32At(QByteArrayView data, qsizetype at)
{
    if (at < 0 || at + 4 > data.size())
        return 0;
    return quint32(u16At(data, at)) | (quint32(u16At(data, at + 2)) << 16);
}

inline qint32 i32At(QByteArrayView data, qsizetype at)
{
    return qint32(u32At(data, at));
}

// The same in sequence: each read moves on, or says false and stays where it
// was when the data ends first.
class Reader
{
public:
    explicit Reader(QByteArrayView data) : m_data(data) {}

    bool has(qsizetype n) const { return n >= 0 && m_pos + n <= m_data.size(); }
    bool skip(qsizetype n)
    {
        if (!has(n))
            return false;
        m_pos += n;
        return true;
    }
    bool u8(quint8 &v)
    {
        if (!has(1))
            return false;
        v = quint8(m_data[m_pos++]);
        return true;
    }
    bool u16(quint16 &v)
    {
        if (!has(2))
            return false;
        v = u16At(m_data, m_pos);
        m_pos += 2;
        return true;
    }
    // The unread rest, for a block of bytes checked with has().
    const char *here() const { return m_data.data() + m_pos; }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace LittleEndian
