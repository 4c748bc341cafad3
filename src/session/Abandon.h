// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Leaving a started game counts it as lost, so the player is asked first:
// "Abandon this game? It counts as lost." with a "Don't ask again" box. The
// question goes through the modal seam, so the scripted driver and the
// tests answer it as any other dialog (6 abandon, 7 keep playing).

#include <QString>

// The question's caption, as a responder sees it.
QString AbandonQuestionText();

// Whether the game on the table may be left. A game not yet started (or
// already counted) leaves without a word, as does any game once the player
// turned the question off; otherwise the answer decides, and a yes with
// "Don't ask again" ticked turns the question off (`ask`).
bool MayAbandonGame(bool started, bool& ask);
