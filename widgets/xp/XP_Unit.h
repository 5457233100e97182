#pragma once

#include "widgets/WidgetColors.h"

#include <QCursor>
#include <QImage>
#include <QStringList>

#include <functional>

class QPainter;

// Drawing and geometry shared by the skinned frame, buttons and links.

// All four edges count as inside.
bool PointInRect(const TRect &rect, int x, int y);

// The grey of a colour, lightened by level (at most 100), at most 240.
QColor GrayColor(QColor colour, int level);
void GrayBitmap(QImage &image, int level);

// Paints every pixel of image that differs from its bottom-left pixel onto
// surface at (x, y) in one flat colour.
void DrawSilhouette(const QImage &image, QImage &surface, int x, int y, QColor colour);

// Frame n (from 1) of a strip of count equally sized frames.
QImage GetStripFrame(const QImage &strip, int count, int n, bool horizontal);

// Draws skin into target, keeping the skin's corner halves at their size and
// repeating its centre column and row in between.
void StretchSkin(const QImage &skin, QPainter &surface, const TRect &target);

// A picture as drawn: with transparent set, its pixels of colour clear.
QImage pictureWithTransparency(const QImage &picture, bool transparent, QColor colour);

// Pixels the taskbar reserves at the bottom of the screen, from the screen's
// geometry and the part of it left to windows.
int TaskbarMargin(const QRect &screen, const QRect &available);
int TaskbarMargin(); // of the primary screen

// A built-in skin image by name ("XPBUTTON", "XPFORM_CAPTION", ...).
const QImage &skinImage(const char *name);

// The application's cursor table; slot 246 holds the pointing hand.
inline constexpr int crXPHand = 246;
QCursor applicationCursor(int number);

// The widget set's start-up step: fills the cursor table and answers the
// notice switch. False when the program is to end before its window opens.
bool XPStartUp(const QStringList &arguments,
               const std::function<void(const QString &caption, const QString &text)> &showInformation);
