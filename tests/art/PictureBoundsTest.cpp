// SPDX-License-Identifier: GPL-3.0-or-later
// A picture is refused by the size its header claims before anything is
// decoded or allocated for it; real pictures of that size still load.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>

#include "art/Background.h"
#include "platform/Jpeg.h"
#include "support/SaveFixtures.h"

namespace {

// Sets the dimensions in the frame header (SOF0) of a baseline JPEG.
QByteArray ClaimSize(QByteArray jpeg, quint16 w, quint16 h) {
  const qsizetype sof = jpeg.indexOf("\xFF\xC0");
  if (sof < 0) return {};
  qToBigEndian<quint16>(h, jpeg.data() + sof + 5);
  qToBigEndian<quint16>(w, jpeg.data() + sof + 7);
  return jpeg;
}

}  // namespace

TEST(PictureBounds, SmallFilesClaimingHugePicturesAreRefusedAtOnce) {
  QImage small(16, 16, QImage::Format_RGB32);
  small.fill(Qt::darkGreen);
  const QByteArray liar = ClaimSize(Jpeg::Encode(small), 8000, 8000);
  ASSERT_FALSE(liar.isEmpty());
  ASSERT_LT(liar.size(), 2000);

  QByteArray bmp(900, '\0');
  bmp.replace(0, 2, "BM");
  qToLittleEndian<qint32>(8000, bmp.data() + 18);
  qToLittleEndian<qint32>(8000, bmp.data() + 22);
  qToLittleEndian<quint16>(24, bmp.data() + 28);

  QTemporaryDir dir;
  QElapsedTimer clock;
  clock.start();
  for (const QByteArray& data : {liar, bmp}) {
    WriteBytes(dir.filePath("p"), data);
    QImage img;
    QString why;
    EXPECT_FALSE(LoadPictureFile(img, dir.filePath("p"), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(img.isNull());
  }
  EXPECT_LT(clock.elapsed(), 300);

  // A plain picture above the free size is real and loads.
  QImage plain(1200, 1000, QImage::Format_RGB32);
  plain.fill(Qt::darkGreen);
  WriteBytes(dir.filePath("p"), Jpeg::Encode(plain));
  QImage img;
  ASSERT_TRUE(LoadPictureFile(img, dir.filePath("p")));
  EXPECT_EQ(img.size(), QSize(1200, 1000));
}
