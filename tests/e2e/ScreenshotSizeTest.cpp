// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots at a chosen window size and pixel ratio, as taken headless.

#include <gtest/gtest.h>

#include <QImage>

#include "support/RunProgram.h"

TEST(ScreenshotSize, SizeOptionSetsThePictureAndTwiceTheRatioDrawsSharpCards) {
  ProgramSandbox box;
  const QString one = box.Path("one.png"), two = box.Path("two.png");
  ProgramRun r =
      box.Run({"--game", "27", "--number", "3", "--size", "1024x640", "--screenshot", one});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(QImage(one).size(), QSize(1024, 640));

  qputenv("QT_SCALE_FACTOR", "2");
  r = box.Run({"--game", "27", "--number", "3", "--size", "1024x640", "--screenshot", two});
  qunsetenv("QT_SCALE_FACTOR");
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QImage img = QImage(two).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(img.size(), QSize(2048, 1280));
  // Across the table's middle row every colour step from the table green
  // goes straight to a card colour: no blended pixel between table and card.
  const QRgb table = qRgb(0, 128, 0);
  int edges = 0;
  for (int y = 500; y < 900; y += 50) {
    for (int x = 1; x < img.width(); ++x) {
      const QRgb a = img.pixel(x - 1, y), b = img.pixel(x, y);
      if ((a == table) == (b == table)) continue;
      const QRgb card = a == table ? b : a;
      EXPECT_TRUE(card == qRgb(48, 48, 52) || card == qRgb(255, 255, 255))
          << x << "," << y << " " << std::hex << card;
      ++edges;
    }
  }
  EXPECT_GT(edges, 20);
}

TEST(ScreenshotSize, BadSizesAreRefused) {
  ProgramSandbox box;
  for (const char* bad : {"10x10", "1024", "axb", "1024x640x2", "99999x600", "-800x600"}) {
    ProgramRun r = box.Run({"--size", bad, "--dump"});
    EXPECT_EQ(r.exitCode, 2) << bad;
    EXPECT_TRUE(r.err.contains("bad window size")) << bad << ": " << r.err.toStdString();
  }
}
