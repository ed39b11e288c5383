// The one error type of the program: a file that cannot be read or written, with a Russian
// message naming the path. It ends the current handler and reaches the application's report.
#pragma once

#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};
