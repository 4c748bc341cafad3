#pragma once
// The texts of --help and --version.

#include <QString>

QString UsageText();
QString VersionText();
