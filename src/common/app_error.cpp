#include "common/app_error.h"

AppError::AppError(const QString &message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}
