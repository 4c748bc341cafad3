// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an empty table says in its centre: the game that F2 would deal and
// how to deal it or choose another. Drawn into the table's own picture (the
// framebuffer), in the table's style: pale text on a soft darker band that
// reads on the green and on every background picture.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The lines for a game: its name, then the two ways on.
QStringList TableHintLines(const QString& gameName);

// Where the hint lies on a table of this size (centred); empty for no lines.
QRect TableHintRect(const QSize& table, const QStringList& lines);

// One line of the table's words in a band (a hint's move, "No more moves"):
// its size at a font of `pixelSize`, and its painting into box.
QSize TableNoteSize(const QString& text, int pixelSize);
void PaintTableNote(QImage& screen, const QRect& clip, const QRect& box, const QString& text,
                    int pixelSize);

// Paints the hint over whatever clip of the screen is being recomposed.
void PaintTableHint(QImage& screen, const QRect& clip, const QStringList& lines);
