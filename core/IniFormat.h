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
// Files written by earlier versions through Qt's own INI format (keys such as
// "Number%20Of%20Cards", values quoted and backslash-escaped) read as they did
// then: a file whose keys carry percent escapes is taken as one of those, its
// keys are decoded, and each value that is exactly what Qt would have written
// for some text reads as that text; anything else in it, such as a value
// edited by hand since, is taken verbatim like in any other file.
namespace IniFormat {

// Registered with QSettings on first use.
QSettings::Format format();

QSettings::SettingsMap parse(const QByteArray &text);
// A value cannot hold a line break in a one-line-per-value file: each line
// break is written as a blank, so no value can ever add a line of its own.
QByteArray serialize(const QSettings::SettingsMap &values);

} // namespace IniFormat
