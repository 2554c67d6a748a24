// The text of a settings file: "[Section]" lines followed by "key=value" lines, UTF-8,
// written so that a person can read and edit it. Every text comes back exactly as it was
// stored: a backslash, line break, carriage return or tab, a blank at either end, and a
// file name's byte that is not UTF-8 (`\xFF`) are written as backslash escapes; everything
// else stands as it is.
#pragma once

#include <QByteArray>
#include <QSettings>

namespace platform {

// The settings of the text, addressed "Section/key". Lines that make no sense are skipped,
// so any bytes at all give a (possibly empty) set of settings.
QSettings::SettingsMap parseIniText(const QByteArray& text);

// The text of the settings; keys without a section come first.
QByteArray formatIniText(const QSettings::SettingsMap& settings);

}  // namespace platform
