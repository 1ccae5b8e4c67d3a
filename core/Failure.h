#pragma once

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

    static Failure typeMismatch() { return Failure(QStringLiteral("Type mismatch")); }
    static Failure overflow() { return Failure(QStringLiteral("Overflow")); }
    static Failure divisionByZero() { return Failure(QStringLiteral("Division by zero")); }

private:
    QString m_description;
};
