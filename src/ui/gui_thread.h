#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <utility>

namespace orv {

// Runs fn on the thread of context: at once when already there, else queued
// (in order, without waiting). For widget updates asked for by the worker.
template <typename Fn>
void onGuiThread(QObject* context, Fn&& fn) {
    if (QThread::currentThread() == context->thread()) {
        fn();
    } else {
        QMetaObject::invokeMethod(context, std::forward<Fn>(fn), Qt::QueuedConnection);
    }
}

// The same, waiting for fn to have run (for answers the worker needs).
template <typename Fn>
void onGuiThreadAndWait(QObject* context, Fn&& fn) {
    if (QThread::currentThread() == context->thread()) {
        fn();
    } else {
        QMetaObject::invokeMethod(context, std::forward<Fn>(fn), Qt::BlockingQueuedConnection);
    }
}

}  // namespace orv
