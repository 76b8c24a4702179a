#pragma once

class QObject;
class QFActionCreator;
class QFDispatcher;

// What a store or a middleware list attaches to: an ActionCreator (and so its dispatcher)
// or a dispatcher itself.
struct QFDispatchTarget {
    QFActionCreator* creator = nullptr;
    QFDispatcher* dispatcher = nullptr;
    bool valid = false;

    static QFDispatchTarget resolve(QObject* target);
};
