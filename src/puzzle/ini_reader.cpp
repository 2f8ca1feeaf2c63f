// Reading initialisation files: sections, keys and values, looked up without regard to case.
#include "puzzle/ini_reader.h"

#include <QFile>
#include <QFileInfo>

#include <climits>

namespace puzzle {
namespace {

// Files of ours are a few kilobytes; anything this large is not one and reads as empty.
constexpr qint64 kMaxIniBytes = 1 << 20;

} // namespace

IniReader::IniReader(const QString &path)
{
    // Only a regular file is read: opening a named pipe would wait for a writer that may never
    // come, and a device can be endless.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxIniBytes)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    parse(file.read(kMaxIniBytes));
}

IniReader IniReader::fromBytes(const QByteArray &bytes)
{
    IniReader reader;
    reader.parse(bytes);
    return reader;
}

void IniReader::parse(const QByteArray &bytes)
{
    // The text is 8-bit; each byte stands for one character.
    const QString text = QString::fromLatin1(bytes);
    QString section;
    bool inSection = false;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed(); // also drops the carriage return of a CRLF line
        if (line.isEmpty() || line.front() == QLatin1Char(';'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            section = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed().toString();
            inSection = true;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inSection || eq <= 0)
            continue;
        QStringView value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        entries_.push_back({section, line.left(eq).trimmed().toString(), value.toString()});
    }
}

const QString *IniReader::find(const QString &section, const QString &key) const
{
    for (const Entry &e : entries_) {
        if (e.section.compare(section, Qt::CaseInsensitive) == 0 &&
            e.key.compare(key, Qt::CaseInsensitive) == 0)
            return &e.value;
    }
    return nullptr;
}

QString IniReader::profileString(const QString &section, const QString &key, const QString &fallback) const
{
    const QString *value = find(section, key);
    return value ? *value : fallback;
}

int IniReader::profileInt(const QString &section, const QString &key, int fallback) const
{
    const QString *value = find(section, key);
    if (!value)
        return fallback;
    qsizetype i = 0;
    const bool negative = i < value->size() && value->at(i) == QLatin1Char('-');
    if (negative || (i < value->size() && value->at(i) == QLatin1Char('+')))
        ++i;
    long long n = 0;
    for (; i < value->size() && value->at(i) >= QLatin1Char('0') && value->at(i) <= QLatin1Char('9'); ++i) {
        n = n * 10 + (value->at(i).unicode() - '0');
        if (n > INT_MAX)
            n = INT_MAX + 1LL; // saturate, keeping room for INT_MIN
    }
    if (negative)
        return n > INT_MAX ? INT_MIN : int(-n);
    return n > INT_MAX ? INT_MAX : int(n);
}

} // namespace puzzle
