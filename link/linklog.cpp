#include "link/linklog.h"

Q_LOGGING_CATEGORY(lcLink, "ulvo.link", QtInfoMsg)
