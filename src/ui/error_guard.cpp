#include "error_guard.h"

#include <exception>

void ErrorGuard::run(const std::function<void()> &work) const
{
    try {
        work();
    } catch (const std::exception &error) {
        m_reporter.reportError(QString::fromStdString(error.what()));
    } catch (...) {
        m_reporter.reportError(QStringLiteral("An unexpected error occurred."));
    }
}
