// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSignalBlocker>

namespace corvane {

// Filling a widget in code must not look like the user's input to its handlers. While a
// SignalBlocker lives, its object sends no signals; afterwards it sends them as it did before.
//   signalBlocking(box)->setCurrentIndex(row);   // for this one call
//   const auto filling = signalBlocking(box);     // for the rest of the block
template <class Object>
class SignalBlocker {
public:
    explicit SignalBlocker(Object* object) : object_(object), blocker_(object) {}

    Object* operator->() const { return object_; }

private:
    Object* object_;
    QSignalBlocker blocker_;
};

template <class Object>
SignalBlocker<Object> signalBlocking(Object* object) {
    return SignalBlocker<Object>(object);
}

}  // namespace corvane
