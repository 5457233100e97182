#pragma once

#include "training/FactFluency.h"

#include <QString>
#include <QStringList>

// How many seconds a fluent answer may take, set for a child (in their job
// folder) or a class (in the class folder): "熟练度设置.txt" with the line
// "时间限制=6".
namespace TimeLimitSetting {

QString path(const QString &folder);
// The limit of the first folder that sets an offered one; `fallback` when
// none does.
int read(const QStringList &folders, int fallback = FactFluency::kDefaultTimeLimit);
// Throws FileCreateError.
void write(const QString &folder, int seconds);

} // namespace TimeLimitSetting
