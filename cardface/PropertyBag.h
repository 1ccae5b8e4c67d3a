#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// The stored description of a hosted control: named values that the host keeps
// between sessions. A value equal to its default is not stored, so a
// description holds only what differs from a freshly placed control, and
// reading a missing name gives the default back.
class PropertyBag
{
public:
    // The stored value, or defaultValue when the name was never written (or
    // was last written with its default).
    QVariant read(const QString &name, const QVariant &defaultValue = {}) const;

    // Stores value unless it equals defaultValue. Equal means the same type and
    // value, except that numbers compare by value across types (qint16 0 equals
    // int 0); a text default never equals a picture, so such a value is always
    // stored. Writing the default removes an earlier value of that name, so the
    // bag always reads back what was written last.
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue = {});

    bool contains(const QString &name) const;
    // The stored names in the order they were first written.
    QStringList names() const;
    bool isEmpty() const { return m_order.isEmpty(); }

private:
    QHash<QString, QVariant> m_values;
    QStringList m_order;
};
