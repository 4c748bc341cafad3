// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table behind the cards: a plain colour, or a picture tiled over the
// whole window from its top-left corner. The picture is one of the ten
// carried in the program or a picture file the player chose (JPEG or BMP).

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

// Pattern_Type values.
enum PatternKind { ptColor = 0, ptBuiltIn = 1, ptFile = 2 };

struct BackgroundState {
  int PatternType = ptColor;         // the type in effect
  QColor Color = QColor(0, 128, 0);  // the window colour
  QImage PatternBitmap;              // RGB32; null while the colour is in effect
};

// The window colour as the settings keep it (0x00BBGGRR) and back. A stored
// value outside 0..0xFFFFFF is no colour at all and gives the default green.
QColor ColorFromRef(int colorRef);
int ColorToRef(const QColor& color);

// The texts of the picture chooser's list, in its order ("Wood1".."Cloth3").
QStringList BuiltInPatternNames();

// Decodes the built-in picture of that name (any case) into bitmap, sizing
// it to the picture. False, with bitmap untouched, when there is none.
bool LoadPatternResource(QImage& bitmap, const QString& name);

// Files larger than this are not pictures we show; refused before reading.
constexpr qint64 kMaxPictureFileBytes = 64LL * 1024 * 1024;

// Reads a picture file (JPEG through libjpeg, or BMP), judged by its content.
// False, with bitmap untouched, when the file cannot be read as either.
bool LoadPictureFile(QImage& bitmap, const QString& path, QString* error = nullptr);

// Loads the background for a Pattern_Type: 1 the built-in picture `name`,
// 2 the file `file`. Whatever cannot be loaded (and any other type) leaves
// the plain colour. Sets state.PatternType and PatternBitmap and returns the
// type now in effect; the colour is not touched.
int LoadBackground(BackgroundState& state, int type, const QString& name, const QString& file);

// Paints the table into the rectangle r of screen: the colour, or the
// picture repeated rightward and downward from (0, 0) of the screen, cut at
// its edges. This is what the main window installs as TForm::PaintBackground.
void PaintTable(QImage& screen, const QRect& r, const BackgroundState& state);

// A w x h view of the table with this background, for previews.
QImage RenderBackground(const BackgroundState& state, int w, int h);

// The card opacity rule: cards are opaque controls only on a plain colour;
// over a picture the table is painted behind them first.
inline bool CardsOpaque(int patternType) {
  return patternType == ptColor;
}
