// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

// jpeglib.h expects size_t and FILE to be declared first.
#include <jpeglib.h>

namespace Jpeg {
namespace {

// The library calls error_exit on a fatal error and must not return from
// it: we jump back to the decoder, which reports failure. Warnings (corrupt
// data, premature end of file) are remembered and also make the decode fail,
// so a damaged picture is never shown half grey. Nothing goes to stderr.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool warned;
};

void OnErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void OnEmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace output only
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (!err->warned) (*cinfo->err->format_message)(cinfo, err->message);
  err->warned = true;
}

void OnOutputMessage(j_common_ptr) {}

void InstallErrorManager(ErrorManager& err) {
  jpeg_std_error(&err.pub);
  err.pub.error_exit = OnErrorExit;
  err.pub.emit_message = OnEmitMessage;
  err.pub.output_message = OnOutputMessage;
  err.message[0] = '\0';
  err.warned = false;
}

// Everything the decoder touches after setjmp lives here, on the heap, so a
// long jump back never finds it in a stale register.
struct DecodeJob {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  QImage image;
  std::vector<JSAMPLE> row;
};

bool RunDecode(DecodeJob* job, const QByteArray& data) {
  if (setjmp(job->err.jump)) return false;
  jpeg_create_decompress(&job->cinfo);
  jpeg_mem_src(&job->cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&job->cinfo, TRUE);
  jpeg_decompress_struct& c = job->cinfo;
  const qint64 pixels = static_cast<qint64>(c.image_width) * c.image_height;
  if (pixels > kMaxPixels) {
    std::snprintf(job->err.message, sizeof job->err.message, "picture too large (%u x %u)",
                  c.image_width, c.image_height);
    return false;
  }
  // Decoding costs time and memory by the header's size, not the file's: a
  // picture whose data cannot possibly hold its pixels is refused first.
  if (pixels > kFreePixels && pixels > static_cast<qint64>(data.size()) * kMaxPixelsPerByte) {
    std::snprintf(job->err.message, sizeof job->err.message,
                  "picture larger than its data can hold (%u x %u in %lld bytes)", c.image_width,
                  c.image_height, static_cast<long long>(data.size()));
    return false;
  }
  const bool cmyk = c.jpeg_color_space == JCS_CMYK || c.jpeg_color_space == JCS_YCCK;
  c.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&c);
  const int w = static_cast<int>(c.output_width);
  const int h = static_cast<int>(c.output_height);
  const int channels = c.output_components;
  if (w <= 0 || h <= 0 || (channels != 3 && channels != 4)) {
    std::snprintf(job->err.message, sizeof job->err.message, "unsupported colour layout");
    return false;
  }
  job->image = QImage(w, h, QImage::Format_RGB32);
  if (job->image.isNull()) {
    std::snprintf(job->err.message, sizeof job->err.message, "out of memory");
    return false;
  }
  job->row.resize(static_cast<size_t>(w) * channels);
  while (c.output_scanline < c.output_height) {
    const int y = static_cast<int>(c.output_scanline);
    JSAMPROW rows[1] = {job->row.data()};
    if (jpeg_read_scanlines(&c, rows, 1) != 1) {
      std::snprintf(job->err.message, sizeof job->err.message, "no scanline");
      return false;
    }
    auto* out = reinterpret_cast<QRgb*>(job->image.scanLine(y));
    const JSAMPLE* in = job->row.data();
    if (channels == 3) {
      for (int x = 0; x < w; ++x, in += 3)
        out[x] = qRgb(in[0], in[1], in[2]);
    } else {
      // Adobe writes CMYK inverted: each value is already 255 - ink.
      for (int x = 0; x < w; ++x, in += 4) {
        const int k = in[3];
        out[x] = qRgb(in[0] * k / 255, in[1] * k / 255, in[2] * k / 255);
      }
    }
  }
  jpeg_finish_decompress(&c);
  return !job->err.warned;
}

struct EncodeJob {
  jpeg_compress_struct cinfo;
  ErrorManager err;
  QImage image;
  std::vector<JSAMPLE> row;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
};

bool RunEncode(EncodeJob* job, int quality) {
  if (setjmp(job->err.jump)) return false;
  jpeg_create_compress(&job->cinfo);
  jpeg_mem_dest(&job->cinfo, &job->buffer, &job->size);
  jpeg_compress_struct& c = job->cinfo;
  c.image_width = static_cast<JDIMENSION>(job->image.width());
  c.image_height = static_cast<JDIMENSION>(job->image.height());
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  jpeg_start_compress(&c, TRUE);
  const int w = job->image.width();
  job->row.resize(static_cast<size_t>(w) * 3);
  while (c.next_scanline < c.image_height) {
    const auto* in = reinterpret_cast<const QRgb*>(job->image.constScanLine(c.next_scanline));
    for (int x = 0; x < w; ++x) {
      job->row[x * 3] = static_cast<JSAMPLE>(qRed(in[x]));
      job->row[x * 3 + 1] = static_cast<JSAMPLE>(qGreen(in[x]));
      job->row[x * 3 + 2] = static_cast<JSAMPLE>(qBlue(in[x]));
    }
    JSAMPROW rows[1] = {job->row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  return true;
}

}  // namespace

bool LooksLikeJpeg(const QByteArray& data) {
  return data.size() >= 3 && static_cast<unsigned char>(data[0]) == 0xFF &&
         static_cast<unsigned char>(data[1]) == 0xD8 && static_cast<unsigned char>(data[2]) == 0xFF;
}

QImage Decode(const QByteArray& data, QString* error) {
  if (data.isEmpty()) {
    if (error) *error = QStringLiteral("no data");
    return {};
  }
  auto job = std::make_unique<DecodeJob>();
  std::memset(&job->cinfo, 0, sizeof job->cinfo);
  InstallErrorManager(job->err);
  job->cinfo.err = &job->err.pub;
  const bool ok = RunDecode(job.get(), data);
  // Safe in every state: it does nothing before the object was created.
  jpeg_destroy_decompress(&job->cinfo);
  if (!ok) {
    if (error) *error = QString::fromLocal8Bit(job->err.message);
    return {};
  }
  return std::move(job->image);
}

QByteArray Encode(const QImage& image, int quality) {
  if (image.isNull()) return {};
  auto job = std::make_unique<EncodeJob>();
  std::memset(&job->cinfo, 0, sizeof job->cinfo);
  InstallErrorManager(job->err);
  job->cinfo.err = &job->err.pub;
  job->image = image.convertToFormat(QImage::Format_RGB32);
  const bool ok = RunEncode(job.get(), std::clamp(quality, 1, 100));
  jpeg_destroy_compress(&job->cinfo);
  QByteArray out;
  if (ok && job->buffer)
    out = QByteArray(reinterpret_cast<const char*>(job->buffer), static_cast<qsizetype>(job->size));
  std::free(job->buffer);
  return out;
}

}  // namespace Jpeg
