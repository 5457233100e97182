#pragma once

#include "text/Errors.h"
#include "training/SoundOutput.h"

#include <QStringList>

// Records the sounds played; fails with the given text when it is set.
class FakeSound : public SoundOutput
{
public:
    QStringList played;
    QString failure;

    void play(const QString &path) override
    {
        if (!failure.isEmpty())
            throw NumoraError(failure);
        played.append(path);
    }

    // The played sounds as "z0", "c1", ...
    QStringList names() const
    {
        QStringList result;
        for (const QString &path : played)
            result.append(path.section(u'/', -1).chopped(4));
        return result;
    }
};
