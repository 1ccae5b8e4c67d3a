#pragma once

#include "core/Messages.h"

#include <QString>
#include <exception>

// The one exception type of the program: a statement that cannot complete
// throws it with a one-line description the user can read in the error report.
class Failure : public std::exception
{
public:
    explicit Failure(QString description) : m_description(std::move(description)) {}

    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return "Velmora failure"; }

    static Failure typeMismatch() { return Failure(Messages::typeMismatch()); }
    static Failure overflow() { return Failure(Messages::overflow()); }
    static Failure divisionByZero() { return Failure(Messages::divisionByZero()); }

private:
    QString m_description;
};
