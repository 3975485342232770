// libjpeg compression and decompression in memory, with errors turned into return values.
#include "render/jpeg.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "model/atomic_file.h"
#include "model/errors.h"

namespace dz::forms {
namespace {

// libjpeg's default error handler ends the process; this one jumps back to the caller.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr, int) {}  // warnings are not worth a line anywhere

// The compressor works on plain C data only, so that the long jump skips no destructor.
struct EncodeJob {
    const unsigned char* pixels;
    int width;
    int height;
    int stride;
    int components;
    int quality;
    const unsigned char* comment;
    unsigned int commentSize;
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    char error[JMSG_LENGTH_MAX] = {};
};

bool RunEncode(EncodeJob& job) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    if (setjmp(errors.jump)) {
        std::memcpy(job.error, errors.message, sizeof job.error);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &job.out, &job.outSize);
    info.image_width = static_cast<JDIMENSION>(job.width);
    info.image_height = static_cast<JDIMENSION>(job.height);
    info.input_components = job.components;
    info.in_color_space = job.components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, job.quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    if (job.commentSize > 0) jpeg_write_marker(&info, JPEG_COM, job.comment, job.commentSize);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(job.pixels + std::size_t(info.next_scanline) * job.stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

struct DecodeJob {
    const unsigned char* data;
    unsigned long size;
    bool headerOnly;
    // Filled by the decoder.
    int width = 0;
    int height = 0;
    int components = 0;
    unsigned char* pixels = nullptr;  // malloc'ed, width * components bytes per row
    unsigned char* comment = nullptr; // malloc'ed
    unsigned int commentSize = 0;
};

bool RunDecode(DecodeJob& job) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(job.pixels);
        job.pixels = nullptr;
        std::free(job.comment);
        job.comment = nullptr;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, job.data, job.size);
    jpeg_save_markers(&info, JPEG_COM, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next) {
        if (m->marker != JPEG_COM) continue;
        job.comment = static_cast<unsigned char*>(std::malloc(m->data_length ? m->data_length : 1));
        if (m->data_length) std::memcpy(job.comment, m->data, m->data_length);
        job.commentSize = m->data_length;
        break;
    }
    if (job.headerOnly) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    // One component stays grey; everything else (RGB, YCbCr, CMYK) comes out as RGB.
    info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    job.width = static_cast<int>(info.output_width);
    job.height = static_cast<int>(info.output_height);
    job.components = info.output_components;
    const std::size_t stride = std::size_t(job.width) * job.components;
    job.pixels = static_cast<unsigned char*>(std::malloc(stride * job.height));
    if (!job.pixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = job.pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QByteArray EncodeJpeg(const QImage& image, int quality, const QByteArray& comment) {
    const bool grey = image.format() == QImage::Format_Grayscale8;
    const QImage source = grey ? image : image.convertToFormat(QImage::Format_RGB888);
    EncodeJob job{source.constBits(), source.width(), source.height(), int(source.bytesPerLine()), grey ? 1 : 3,
                  quality, reinterpret_cast<const unsigned char*>(comment.constData()),
                  static_cast<unsigned int>(comment.size())};
    const bool ok = RunEncode(job);
    QByteArray bytes;
    if (ok && job.out) bytes = QByteArray(reinterpret_cast<const char*>(job.out), qsizetype(job.outSize));
    std::free(job.out);
    if (!ok) throw IoError(QStringLiteral("Σφάλμα κωδικοποίησης JPEG: %1").arg(QString::fromLatin1(job.error)));
    return bytes;
}

std::optional<JpegPicture> DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return std::nullopt;
    DecodeJob job{reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()),
                  false};
    if (!RunDecode(job)) return std::nullopt;
    JpegPicture picture;
    const QImage::Format format = job.components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
    const qsizetype stride = qsizetype(job.width) * job.components;
    // The QImage takes the decoder's buffer and frees it with the image.
    picture.image = QImage(job.pixels, job.width, job.height, stride, format, std::free, job.pixels);
    picture.comment = QByteArray(reinterpret_cast<const char*>(job.comment), job.commentSize);
    std::free(job.comment);
    return picture;
}

void WriteJpegFile(const QString& path, const QImage& image, int quality, const QByteArray& comment) {
    const QByteArray bytes = EncodeJpeg(image, quality, comment);
    WriteFileAtomically(path, bytes);
}

std::optional<JpegPicture> ReadJpegFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return DecodeJpeg(file.readAll());
}

std::optional<QByteArray> ReadJpegComment(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // The markers come before the picture data; the start of the file holds them.
    const QByteArray head = file.read(64 * 1024);
    DecodeJob job{reinterpret_cast<const unsigned char*>(head.constData()), static_cast<unsigned long>(head.size()),
                  true};
    if (head.isEmpty() || !RunDecode(job)) return std::nullopt;
    QByteArray comment(reinterpret_cast<const char*>(job.comment), job.commentSize);
    std::free(job.comment);
    return comment;
}

}  // namespace dz::forms
