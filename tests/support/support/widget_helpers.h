// Small helpers shared by the widget tests.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QWidget>

namespace orbis::testing {

// Closed windows are deleted later; run those deletions now.
inline void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The element `index` of a control array (widgets sharing one objectName).
template <typename T> T* Element(QWidget* root, const QString& name, int index)
{
    for (T* widget : root->findChildren<T*>(name)) {
        if (widget->property("index").toInt() == index)
            return widget;
    }
    return nullptr;
}

} // namespace orbis::testing
