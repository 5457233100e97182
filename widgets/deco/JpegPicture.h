#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes a baseline or progressive JPEG held in memory with libjpeg. Data
// that is not a whole, sound JPEG gives a null image: a warning (such as a
// truncated file) counts as failure, so that no half picture is shown, and
// so does a picture of more than 40 million pixels.
struct JpegPicture
{
    QImage image;
    int components = 0; // of the stored data: 1 grey, 3 colour
};
JpegPicture decodeJpeg(QByteArrayView data);
