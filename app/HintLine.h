#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace HintLine {

// The hint of a control, or of its nearest parent that has one.
QString inheritedHint(const QWidget *control);

// The inherited hint of the topmost control under a screen point, disabled
// controls included; empty outside the program's windows.
QString hintAt(QPoint globalPos);

} // namespace HintLine
