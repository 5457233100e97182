#include "widgets/deco/JpegPicture.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

constexpr quint64 kMaxPixels = 40'000'000;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
    int warnings = 0;
};

[[noreturn]] void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->escape, 1);
}

void onMessage(j_common_ptr info, int level)
{
    if (level < 0) // a warning: corrupt or missing data
        ++reinterpret_cast<ErrorManager *>(info->err)->warnings;
}

void silent(j_common_ptr) {}

// Everything between setjmp and the decoder's end lives here, with no C++
// objects that a longjmp would skip.
bool decodeInto(jpeg_decompress_struct &info, ErrorManager &errors, QByteArrayView data, JpegPicture &out)
{
    if (setjmp(errors.escape))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.data()), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    // A header may claim any size up to 65500 x 65500; nothing we show is
    // near this, and allocating it would take the machine's memory.
    if (quint64(info.image_width) * info.image_height > kMaxPixels)
        return false;
    // Straight into the pixel layout the screen takes: converting a picture
    // afterwards cost more than decoding it.
    info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);
    out.components = info.num_components;
    out.image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (out.image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.image.scanLine(int(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&info);
    return errors.warnings == 0;
}

} // namespace

JpegPicture decodeJpeg(QByteArrayView data)
{
    JpegPicture picture;
    if (data.isEmpty())
        return picture;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    errors.base.output_message = silent;
    const bool decoded = decodeInto(info, errors, data, picture);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return {};
    return picture;
}
