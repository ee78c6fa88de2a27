#pragma once
#include <QByteArray>
#include <QSettings>

namespace vok {

// The text of Vok's settings file: "[Section]" lines and "Name=Value" lines. Map keys are
// "Section/Name" as QSettings uses them. Parsing never fails: lines that are neither a section nor
// a value are passed over, and the values after a broken section line are dropped rather than
// filed under the wrong section. A backslash, line feed or carriage return in a value is written
// as \\, \n or \r.
QSettings::SettingsMap parseIniText(const QByteArray& text);
QByteArray formatIniText(const QSettings::SettingsMap& map);

} // namespace vok
