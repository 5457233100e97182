#pragma once

#include "training/Worksheet.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;

// A printed 口算题卡: A4 portrait, the questions in a grid of equal cells
// read row by row, each with room for the answer, then the answer key in the
// same grid and order on pages of its own.
struct Sheet
{
    QString title;
    QList<SheetQuestion> questions;
    int columns = 4;
    QString code;
    QString pupil; // written on the name line and the key's title when set
};

namespace WorksheetPages {

constexpr qreal kSmallestPoints = 11;
constexpr qreal kLargestPoints = 18;
constexpr qreal kRowPerPoint = 2.0;   // a row's height, room to write included
constexpr qreal kAnswerRoomEm = 4.0;  // the room after a question, in font heights

struct Grid
{
    qreal points = kSmallestPoints;
    int rowsPerPage = 1;
};

// The largest size, in half points from 18 down to 11, that puts the rows on
// the fewest pages with the widest question and its room fitting a cell (at
// 11 points the cells fit or not). Sizes in points; widestEm is the widest
// question's width in font heights.
Grid chooseGrid(int count, int columns, QSizeF gridArea, qreal widestEm);

// Pages of questions (the key doubles them).
int questionPages(int count, int columns, const Grid &grid);

// Paints the sheets on a device whose pages are A4, each with its key
// after it.
void paint(QPagedPaintDevice &device, const QList<Sheet> &sheets);
// The sheets as a PDF document of that title.
QByteArray pdf(const QList<Sheet> &sheets, const QString &title);
inline QByteArray pdf(const Sheet &sheet) { return pdf({sheet}, sheet.title); }

} // namespace WorksheetPages
