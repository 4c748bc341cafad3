// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exit save tells the window and the scripted driver: every file
// that could not be written, with the reason. Empty means all was saved.
// Start-up reports the files it could not read the same way (LoadReport).

#include <QString>
#include <QStringList>
#include <vector>

struct SaveProblem {
  QString File;
  QString Reason;
};

struct SaveReport {
  std::vector<SaveProblem> Problems;

  bool Ok() const { return Problems.empty(); }
  explicit operator bool() const { return Ok(); }
  void Add(const QString& file, const QString& reason) { Problems.push_back({file, reason}); }
  // One "FILE: REASON" line per problem.
  QStringList Lines() const {
    QStringList lines;
    for (const SaveProblem& p : Problems)
      lines << p.File + QStringLiteral(": ") + p.Reason;
    return lines;
  }
};

using LoadReport = SaveReport;
