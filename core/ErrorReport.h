#pragma once

#include "core/Messages.h"

#include <QString>

// The warning box of the guarded click handlers: what failed, in which handler
// and at which numbered line.
namespace ErrorReport {

// Where users are asked to send a screenshot of the report.
inline constexpr char16_t supportAddress[] = u"support@velmora.app";

// The four handlers that run under a guard, as the report names them.
inline QString location(const char *handler)
{
    return Messages::errorIn() + QStringLiteral("Ostrelle5/20/2014.Form1.%1 ").arg(QLatin1String(handler));
}

QString message(const QString &description, const QString &location, int line);

// Shows the report through the platform and returns once it is closed.
void show(const QString &description, const QString &location, int line);

// The same with a check box labelled option under the text, unticked; returns
// whether the user ticked it.
bool showWithOption(const QString &description, const QString &location, int line, const QString &option);

} // namespace ErrorReport
