// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card images of one start, kept on disk for the next: drawing the 52
// faces a deal shows is most of what the first frame of a dealt table costs,
// and reading them back is a small fraction of it.
//
// The file holds a fingerprint of the art (its source, the index font, the
// Qt version), then the images, then a checksum. Anything that does not
// match in every respect (a truncated or foreign file, other art, a flipped
// bit) is not used: the images are drawn as if there were no file, and the
// file is written again.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace CardImageCache {

struct Entry {
  int number = 0;  // the image's number in the image table (1..76)
  QImage image;    // RGB32
};

// Largest file read back, well above any screen's set of card images.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// The digest that ends the file, over every byte before it.
quint64 Checksum(const char* data, qsizetype size);

QByteArray Encode(const QByteArray& fingerprint, const std::vector<Entry>& entries);

// What a file holds. Decode checks that it is whole and ours; the caller
// checks that it was made for this art (the fingerprint).
struct Contents {
  bool ok = false;
  QString why;  // what was wrong, when not ok
  QByteArray fingerprint;
  std::vector<Entry> entries;
};
Contents Decode(const QByteArray& data);

// The checksum proves that a file is whole, not that it tells the truth: a
// file whose images were renumbered and sealed again passes it. Of the
// entries within a pixel of `size`, each must have a card's proportions and
// appear once, and together they must hold the whole set a deal shows (the
// 52 faces and the empty-pile mask). Empty when they do, else the doubt.
QString DoubtAbout(const std::vector<Entry>& entries, QSize size);

}  // namespace CardImageCache
