#pragma once

#include <QLoggingCategory>

// Diagnostics of the calculator link: silent unless switched on, e.g.
// QT_LOGGING_RULES="ulvo.link.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcLink)
