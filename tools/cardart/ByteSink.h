#pragma once

#include <QByteArray>

// Little-endian byte assembly for the Windows file headers.
class ByteSink
{
public:
    void u8(quint8 v) { m_data.append(char(v)); }
    void u16(quint16 v)
    {
        u8(quint8(v & 0xff));
        u8(quint8(v >> 8));
    }
    void u32(quint32 v)
    {
        u16(quint16(v & 0xffff));
        u16(quint16(v >> 16));
    }
    void bytes(const QByteArray &b) { m_data.append(b); }
    void bytes(const char *s) { m_data.append(s); }
    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};
