#pragma once

#include <QLoggingCategory>

// The session's diagnostic lines: silent unless enabled, e.g.
// QT_LOGGING_RULES="ulvo.session.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSession)
