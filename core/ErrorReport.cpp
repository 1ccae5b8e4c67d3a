#include "core/ErrorReport.h"

#include "core/Platform.h"

namespace ErrorReport {

QString message(const QString &description, const QString &location, int line)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ")
        + QString::number(line) + QStringLiteral("\r\r")
        + QStringLiteral("Please email screenshot of this message to ")
        + QString::fromUtf16(supportAddress);
}

void show(const QString &description, const QString &location, int line)
{
    Platform::current().message(message(description, location, line),
                                QStringLiteral("Application Error"), Platform::Icon::Warning);
}

} // namespace ErrorReport
