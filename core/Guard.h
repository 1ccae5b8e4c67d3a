#pragma once

#include "core/ErrorReport.h"
#include "core/Failure.h"

#include <QString>
#include <functional>
#include <utility>

// Runs the numbered statements of one guarded handler. A statement that fails
// shows the error report and makes guard() return false; the handler's own code
// then says where it goes on, so its control flow reads like its numbered lines.
// The guard stays in force after a report: every later failure is reported too.
class Guard
{
public:
    explicit Guard(QString location) : m_location(std::move(location)) {}

    template<typename Statement>
    bool operator()(int line, Statement &&statement)
    {
        try {
            if (s_injector && s_injector(m_location, line))
                throw Failure(QStringLiteral("Injected failure"));
            std::forward<Statement>(statement)();
            return true;
        } catch (const Failure &failure) {
            if (m_report)
                m_report(failure, line);
            else
                ErrorReport::show(failure.description(), m_location, line);
            return false;
        }
    }

    // The test of a conditional: a test that fails is reported and then takes
    // the branch for a true test, whatever it would have given.
    template<typename Test>
    bool test(int line, Test &&condition)
    {
        bool holds = true;
        if (!(*this)(line, [&] { holds = std::forward<Test>(condition)(); }))
            return true;
        return holds;
    }

    const QString &location() const { return m_location; }

    // Reports failures through the function instead of the error report box;
    // an empty one goes back to the box.
    using Report = std::function<void(const Failure &failure, int line)>;
    void reportWith(Report report) { m_report = std::move(report); }

    // Test seam: makes the statement at (location, line) fail before it runs
    // whenever the function returns true. Empty in the program.
    using Injector = std::function<bool(const QString &location, int line)>;
    static void setInjector(Injector injector) { s_injector = std::move(injector); }

private:
    QString m_location;
    Report m_report;
    static inline Injector s_injector;
};
