#pragma once

#include <QLoggingCategory>

// The application shell's diagnostic lines: silent unless enabled, e.g.
// QT_LOGGING_RULES="ulvo.app.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)
