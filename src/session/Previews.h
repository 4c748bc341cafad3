// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview pictures of the "Select Solitaire" dialog. A preview is the
// game's real starting table: the game is dealt from a fixed number on a
// headless table, the part of the table that holds piles is cut out and
// scaled down. Games that share a picture number share one preview (the
// first game in the catalogue with that number owns it), an index outside
// the catalogue shows the fallback picture, and a game whose rules are not
// written yet shows a plain green panel with its name. Games that gain rules
// get their preview without anything else to do.

#include <QImage>
#include <QString>
#include <cstdint>

inline constexpr int kPreviewWidth = 172;
inline constexpr int kPreviewHeight = 131;
// The deal every preview is rendered from.
inline constexpr uint32_t kPreviewDealNumber = 1;

// The preview of a catalogue index, rendered once per picture number and
// kept until ReleaseGamePreviews. Never larger than 172 x 131.
QImage GamePreview(int index);
// Frees the kept previews: the game selection dialog calls it when it
// closes, so the pictures take memory only while it is open.
void ReleaseGamePreviews();

// The catalogue game whose table a picture number shows, -1 for a number no
// game uses.
int PreviewOwner(int picture);
// Whether the index's preview is a rendered table (false: the placeholder).
bool PreviewIsRendered(int index);

// Uncached rendering, for tools and tests.
QImage RenderGamePreview(int game);
QImage PlaceholderPreview(const QString& name);
