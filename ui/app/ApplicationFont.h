#pragma once

#include <QString>

// Adds the bold and the regular font to the application and makes the regular one's first
// family, at 7 points, the application's font. When the regular font cannot be loaded the
// default font stays; false then.
bool applyApplicationFont(const QString& boldPath, const QString& regularPath);
