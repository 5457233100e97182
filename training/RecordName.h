#pragma once

#include <QString>

#include <functional>

namespace RecordName {

// "\job\" + date + "-第" + n + "次.xl"; a path separator in the date text
// becomes "-" so that the name never points into a folder that is missing.
QString relativeName(const QString &dateText, int number);

// The first name, numbered from 1, that no file holds yet. The date is read
// again for every name tried.
QString firstFree(const QString &appDir,
                  const std::function<QString()> &todayText,
                  const std::function<bool(const QString &)> &exists);

} // namespace RecordName
