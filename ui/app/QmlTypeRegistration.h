#pragma once

// Registers the program's own QML types: the "PlatformInfo" singleton, the "PelvaneApp"
// singletons of the documents, and the "WhirlenUI" controllers.
void registerQmlTypes();
