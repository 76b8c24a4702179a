#pragma once

#include <QJSValue>

// Writes an error value returned by a JavaScript call as "file:line: name: message";
// any other value writes nothing.
void printException(const QJSValue& result);
