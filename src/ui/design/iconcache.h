#pragma once

#include <QIcon>

/// One icon per picture for the whole program: the icon engine caches what it renders under
/// the icon's own serial number, so an icon made anew for every window would leave new
/// cache entries behind each time.
QIcon sharedIcon(const char* picture);
