#pragma once

#include <QByteArray>
#include <QSettings>

// The settings file as a plain INI file that people and other INI readers can
// read and write: "[Velmora]", then one "key=value" line per value, the key
// exactly as named (spaces included) and the value verbatim to the end of the
// line: commas, semicolons, quotes, backslashes, a leading "@" and any
// Unicode text mean nothing special. Lines starting with ";" or "#" are
// comments.
//
// The file may be shared with other programs and edited by hand, so writing
// changes only the lines of values that changed and adds the values that are
// new; comments, lines it cannot read and other sections stay byte for byte.
namespace IniFormat {

// Far above any file of ours (each field holds at most 32767 characters); a
// bigger file is not read, and never written over.
constexpr qint64 maximumFileSize = 1024 * 1024;

// Registered with QSettings on first use.
QSettings::Format format();

QSettings::SettingsMap parse(const QByteArray &text);
// `text` with every value of `values` that parse(text) lacks or holds
// otherwise: such a line takes the new value after its "=", a new key joins
// the end of its section (a new section the end of the file); nothing else
// changes. A value cannot hold a line break in a one-line-per-value file: each
// line break is written as a blank, so no value can ever add a line of its own.
QByteArray update(const QByteArray &text, const QSettings::SettingsMap &values);

} // namespace IniFormat
