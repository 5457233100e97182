#pragma once

#include "training/RecordName.h"

#include <QDateTime>
#include <QStringList>

namespace RecordFile {

// Writes a training record as a new file under the chosen name, or under the
// next free number when another launch has taken that name since. Creates
// the job folder when it is missing. Returns the path written; throws
// FileCreateError, leaving no partial file behind.
// A valid `modified` is given to the file as its time: a record carried to
// a class folder keeps the time it was written. Answer times, when given,
// are written as the record's companion under the same name and number.
QString create(const QString &appDir, RecordName::Choice choice, const QStringList &lines,
               const QDateTime &modified = {}, const QByteArray &times = {});

} // namespace RecordFile
