// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures of the win display and the program icon, drawn by code.

#include <QImage>

namespace WinArt {

constexpr int kWinPictureWidth = 272;
constexpr int kWinPictureHeight = 84;

// 272 x 84 times scale, QImage::Format_RGB32: the picture tiled over the
// table after a win, drawn at the table's device scale. Its edges match, so
// the tiles join without seams.
QImage WinPicture(double scale = 1.0);

// 32 x 32, QImage::Format_ARGB32: the small picture of the win dialog.
QImage WinIcon();

// size x size (64 by default, 8..1024), QImage::Format_ARGB32: the program
// icon, a fan of cards. The desktop icons are rendered from it at build time.
QImage AppIcon(int size = 64);

}  // namespace WinArt
