#ifndef VORMIS_ANIMATIONCLEANUP_H
#define VORMIS_ANIMATIONCLEANUP_H

#include <QList>
#include <QObjectCleanupHandler>
#include <QPointer>

// The cleanup handler that owns a running animation's objects, keeping a
// watch on each one so that what it holds can be looked at.
class AnimationCleanup : public QObjectCleanupHandler
{
public:
    QObject *add(QObject *object)
    {
        m_watched.append(object);
        return QObjectCleanupHandler::add(object);
    }

    void clear()
    {
        QObjectCleanupHandler::clear();
        m_watched.clear();
    }

    // The objects added since the last clear that still exist.
    template <typename T>
    QList<T *> objects() const
    {
        QList<T *> found;
        for (const QPointer<QObject> &object : m_watched)
            if (T *typed = qobject_cast<T *>(object.data()))
                found.append(typed);
        return found;
    }

private:
    QList<QPointer<QObject>> m_watched;
};

#endif
