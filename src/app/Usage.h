// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of --help and --version, and the rule every mode of the command
// line applies to a file or folder option.

#include <QString>
#include <optional>

QString UsageText();
QString VersionText();

// A file or folder option (--data-dir, --script, --screenshot) may not be
// empty (an empty --script would open the window, an empty --data-dir quietly
// mean the default place) and must name the same bytes when encoded again, or
// we would use another folder. Returns the message for a bad value; other
// options pass.
std::optional<QString> CheckPathValue(const QString& opt, const QString& value, const char* raw);
