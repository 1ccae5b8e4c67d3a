#include "cardface/PropertyBag.h"

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// Stated here rather than left to QVariant, whose cross-type comparison has
// changed between Qt versions (and treats the text "0" as equal to 0).
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (isNumber(a) && isNumber(b))
        return a == b;
    return a.metaType() == b.metaType() && a == b;
}

} // namespace

QVariant PropertyBag::read(const QString &name, const QVariant &defaultValue) const
{
    return m_values.value(name, defaultValue);
}

void PropertyBag::write(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    if (defaultValue.isValid() && sameValue(value, defaultValue)) {
        if (m_values.remove(name))
            m_order.removeOne(name);
        return;
    }
    if (!m_values.contains(name))
        m_order.append(name);
    m_values.insert(name, value);
}

bool PropertyBag::contains(const QString &name) const
{
    return m_values.contains(name);
}

QStringList PropertyBag::names() const
{
    return m_order;
}
