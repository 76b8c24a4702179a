#pragma once

class QQmlEngine;

// Registers the program's own QML types: the "PlatformInfo" singleton, the "PelvaneApp"
// singletons of the documents, and the "WhirlenUI" controllers.
void registerQmlTypes();

// Gives an engine the pictures that the documents take from the program: the soft shadows
// ("image://shadow/...", ShadowImageProvider).
void addImageProviders(QQmlEngine& engine);
