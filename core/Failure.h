#pragma once

#include "core/Messages.h"

#include <QString>
#include <exception>

// The one exception type of the program: a statement that cannot complete
// throws it with a one-line description the user can read in the error report.
class Failure : public std::exception
{
public:
    explicit Failure(QString description, QString reason = QString())
        : m_description(std::move(description)), m_reason(std::move(reason))
    {
    }

    const QString &description() const noexcept { return m_description; }
    // Why, without what or where ("No such file or directory"): what a
    // summary of many failures repeats once. The description when none is known.
    const QString &reason() const noexcept { return m_reason.isEmpty() ? m_description : m_reason; }
    const char *what() const noexcept override { return "Velmora failure"; }

    static Failure typeMismatch() { return Failure(Messages::typeMismatch()); }
    static Failure overflow() { return Failure(Messages::overflow()); }
    static Failure divisionByZero() { return Failure(Messages::divisionByZero()); }

private:
    QString m_description;
    QString m_reason;
};
