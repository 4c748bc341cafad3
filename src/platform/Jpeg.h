// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG through libjpeg, with an error manager of our own: the library's
// default handler ends the process on bad data, ours jumps back and turns any
// error, and any "corrupt data" warning such as a file cut short, into a null
// image. So a damaged picture can never crash or end the program.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace Jpeg {

// Pictures larger than this (in pixels) are refused before any memory is
// taken for them: a header can claim 65535 x 65535 in a few bytes.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
// Beyond kFreePixels a picture must bring at least one byte of data per
// kMaxPixelsPerByte pixels. Even the smallest baseline coding (one bit each
// for a zero DC difference and the end of block, colour subsampled) needs a
// byte per 170 pixels, so no real picture is refused.
constexpr qint64 kFreePixels = 1024LL * 1024;
constexpr qint64 kMaxPixelsPerByte = 1024;

// Whether the data starts like a JPEG stream (SOI marker).
bool LooksLikeJpeg(const QByteArray& data);

// Decodes a complete JPEG stream into a QImage::Format_RGB32 image (grey and
// colour pictures alike). Returns a null image on any error; `error`, when
// given, receives the library's message.
QImage Decode(const QByteArray& data, QString* error = nullptr);

// Encodes an image as a baseline JPEG stream (quality 1..100); an empty
// array when the image is null or the library fails.
QByteArray Encode(const QImage& image, int quality = 90);

}  // namespace Jpeg
