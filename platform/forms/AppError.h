#pragma once

#include <QString>

// The one exception type of the program: a message and nothing else.
// It is thrown where a failure happens and caught only by the handler guard.
class AppError
{
public:
    explicit AppError(QString message) : text(std::move(message)) {}
    const QString& message() const { return text; }

private:
    QString text;
};
