// A small reader of initialisation files ("[section]" headers and "key=value" lines), with the
// lookup rules the saved-game file relies on.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace puzzle {

// Holds the key=value lines of one file by section. Section and key names are matched without
// regard to case; the first occurrence wins. A missing or unreadable file, or anything that is
// not a regular file of at most 1 MB, reads as empty, so every lookup gives its default.
class IniReader {
public:
    explicit IniReader(const QString &path);
    static IniReader fromBytes(const QByteArray &bytes);

    // The value with blanks around it removed (and one pair of matching quotes around the whole
    // value), or `fallback` when the section or the key is missing.
    QString profileString(const QString &section, const QString &key, const QString &fallback = {}) const;

    // The value's leading whole number (optional sign, decimal digits; 0 when it has none),
    // saturated to the range of int, or `fallback` when the section or the key is missing.
    int profileInt(const QString &section, const QString &key, int fallback) const;

private:
    IniReader() = default;
    void parse(const QByteArray &bytes);
    const QString *find(const QString &section, const QString &key) const;

    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    std::vector<Entry> entries_;
};

} // namespace puzzle
