#include "core/ErrorReport.h"

#include "core/Messages.h"
#include "core/Platform.h"

namespace ErrorReport {

QString message(const QString &description, const QString &location, int line)
{
    return description + QStringLiteral("\r\n") + location + Messages::errorAtLine()
        + QString::number(line) + QStringLiteral("\r\r")
        + Messages::emailScreenshot()
        + QString::fromUtf16(supportAddress);
}

void show(const QString &description, const QString &location, int line)
{
    Platform::current().message(message(description, location, line),
                                Messages::applicationError(), Platform::Icon::Warning);
}

bool showWithOption(const QString &description, const QString &location, int line, const QString &option)
{
    return Platform::current().messageWithOption(message(description, location, line), Messages::applicationError(),
                                                 Platform::Icon::Warning, option);
}

} // namespace ErrorReport
