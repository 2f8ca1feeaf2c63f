// Loading and storing the per-user settings through the key/value layer, with the stored
// layouts: "SOLVINGDATA" (8 bytes), "LASTPLAYED" (4), "SOUNDOPTIONS" (8), and per puzzle n
// "STATS"n (12 bytes: three times), "STATS"n"_"k (the name of rank k) and "HINTS"n (12 bytes: the
// hints taken for each of the three times, stored only once some time was helped by a hint).
// The later options are 4-byte values, 1 for on: "COMBINATIONS", "CONFLICTS", "KEEPPROGRESS";
// The player's own puzzles keep the same three records per puzzle under "MYSTATS"n,
// "MYSTATS"n"_"k and "MYHINTS"n, written only once the puzzle has a time.
// "COLOURSCHEME" (4 bytes, 0 to 3) names the board's colours; "COMBINATIONSPOS" (8 bytes: x and y)
// places the combinations window. "KEYSCHEME" (4 bytes, 0 Classic or 1 Common) picks the window's
// keys; "FITWINDOW" (1 for on) lets the window be resized; "AUTOMARKS" (0 for off, on by default)
// clears a placed digit from its runs' marks; "WINDOWPLACE" (16 bytes: width, height, 1 when
// maximised, zoom step 1 to 10) is written only while FITWINDOW is on.
#include "store/settings_store.h"

#include "store/key_value_store.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>

namespace store {
namespace {

const QString kSolvingData = QStringLiteral("SOLVINGDATA");
const QString kLastPlayed = QStringLiteral("LASTPLAYED");
const QString kSoundOptions = QStringLiteral("SOUNDOPTIONS");
constexpr qsizetype kNameRoom = 50; // characters of a name read back

// The switches stored as 4 bytes, 0 off and 1 on; anything else reads as off.
struct Switch {
    const char *name;
    bool Settings::*member;
};
constexpr Switch kSwitches[] = {
    {"COMBINATIONS", &Settings::showCombinations},
    {"CONFLICTS", &Settings::showConflicts},
    {"KEEPPROGRESS", &Settings::keepProgress},
};
const QString kCombinationsPosition = QStringLiteral("COMBINATIONSPOS");
const QString kColourScheme = QStringLiteral("COLOURSCHEME");
const QString kKeyScheme = QStringLiteral("KEYSCHEME");
const QString kFitWindow = QStringLiteral("FITWINDOW");
const QString kAutoMarks = QStringLiteral("AUTOMARKS");
const QString kWindowPlace = QStringLiteral("WINDOWPLACE");

// "" for the book's puzzles, "MY" for the player's own.
QString timesName(int n, const QString &prefix)
{
    return prefix + QStringLiteral("STATS") + QString::number(n);
}
QString nameName(int n, int k, const QString &prefix)
{
    return timesName(n, prefix) + QLatin1Char('_') + QString::number(k);
}
QString hintsName(int n, const QString &prefix)
{
    return prefix + QStringLiteral("HINTS") + QString::number(n);
}
const QString kOwnPrefix = QStringLiteral("MY");

template <typename T> void put(std::uint8_t *at, T v)
{
    qToLittleEndian(v, at);
}
template <typename T> T get(const std::uint8_t *at)
{
    return qFromLittleEndian<T>(at);
}

// The stored layouts of what is in memory. Reading fills such a block first, so that a stored
// value shorter than the block replaces only its leading bytes.
std::array<std::uint8_t, 8> solvingBlock(const Settings &settings)
{
    std::array<std::uint8_t, 8> block{};
    put<std::int16_t>(block.data(), 1); // the book index: there is one book
    put<std::int16_t>(block.data() + 2, settings.pencilMode);
    std::copy(settings.reserved.begin(), settings.reserved.end(), block.begin() + 4);
    return block;
}

std::array<std::uint8_t, 8> soundBlock(const Settings &settings)
{
    std::array<std::uint8_t, 8> block{};
    for (int k = 1; k <= 4; ++k)
        put<std::int16_t>(block.data() + 2 * (k - 1), settings.soundOptions[std::size_t(k)]);
    return block;
}

std::array<std::uint8_t, 4> lastPlayedBlock(const Settings &settings)
{
    std::array<std::uint8_t, 4> block{};
    put<std::int32_t>(block.data(), settings.lastPuzzle);
    return block;
}

std::array<std::uint8_t, 12> timesBlock(const PuzzleStats &stats)
{
    std::array<std::uint8_t, 12> block{};
    for (int k = 1; k <= 3; ++k)
        put<std::int32_t>(block.data() + 4 * (k - 1), stats.bestTimes[std::size_t(k)]);
    return block;
}

std::array<std::uint8_t, 12> hintsBlock(const PuzzleStats &stats)
{
    std::array<std::uint8_t, 12> block{};
    for (int k = 1; k <= 3; ++k)
        put<std::int32_t>(block.data() + 4 * (k - 1), stats.hintCounts[std::size_t(k)]);
    return block;
}

template <std::size_t N> QByteArray asBytes(const std::array<std::uint8_t, N> &block)
{
    return QByteArray(reinterpret_cast<const char *>(block.data()), qsizetype(N));
}

// A later option: 4 bytes holding 0 up to `count` - 1; anything else reads as `fallback`, its
// default.
std::int32_t readOption(const KeyValueStore &kv, const QString &name, std::int32_t count,
                        std::int32_t fallback = 0)
{
    const std::optional<QByteArray> bytes = kv.readBytes(name, 4);
    if (!bytes || bytes->size() != 4)
        return fallback;
    const std::int32_t value = get<std::int32_t>(reinterpret_cast<const std::uint8_t *>(bytes->data()));
    return value >= 0 && value < count ? value : fallback;
}

// Stored only once it leaves its default, so that a store nobody changed holds what it always held.
void writeOption(KeyValueStore &kv, const QString &name, std::int32_t value, std::int32_t fallback = 0)
{
    if (value == fallback && !kv.hasValue(name))
        return;
    std::array<std::uint8_t, 4> block{};
    put<std::int32_t>(block.data(), value);
    kv.writeBytes(name, asBytes(block));
}

// Puzzles whose records are in memory.
int storedPuzzleCount(const Settings &settings)
{
    return settings.puzzleStats.empty() ? 0 : int(settings.puzzleStats.size()) - 1;
}

void readStats(const KeyValueStore &kv, int n, PuzzleStats &stats, const QString &prefix = {})
{
    std::array<std::uint8_t, 12> block = timesBlock(stats);
    if (readInto(kv, timesName(n, prefix), block)) {
        for (int k = 1; k <= 3; ++k)
            stats.bestTimes[std::size_t(k)] = get<std::int32_t>(block.data() + 4 * (k - 1));
    }
    for (int k = 1; k <= 3; ++k) {
        if (std::optional<QString> name = readName(kv, nameName(n, k, prefix), kNameRoom))
            stats.bestNames[std::size_t(k)] = *name;
    }
    // Anything but three counts of 0 or more reads as no hints.
    stats.hintCounts = {};
    const std::optional<QByteArray> hints = kv.readBytes(hintsName(n, prefix), 12);
    if (!hints || hints->size() != 12)
        return;
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(hints->constData());
    for (int k = 1; k <= 3; ++k)
        stats.hintCounts[std::size_t(k)] = std::max(get<std::int32_t>(bytes + 4 * (k - 1)), 0);
}

void writeStats(KeyValueStore &kv, int n, const PuzzleStats &stats, const QString &prefix = {})
{
    kv.writeBytes(timesName(n, prefix), asBytes(timesBlock(stats)));
    for (int k = 1; k <= 3; ++k)
        kv.writeText(nameName(n, k, prefix), stats.bestNames[std::size_t(k)]);
    const bool anyHints = std::any_of(stats.hintCounts.begin() + 1, stats.hintCounts.end(),
                                      [](std::int32_t count) { return count > 0; });
    if (anyHints || kv.hasValue(hintsName(n, prefix)))
        kv.writeBytes(hintsName(n, prefix), asBytes(hintsBlock(stats)));
}

} // namespace

QString storeFailureText()
{
    return QCoreApplication::translate("store::Settings", " Error Failerd");
}

Settings firstRunSettings(int puzzleCount, int ownPuzzleCount)
{
    Settings settings;
    settings.puzzleStats.assign(std::size_t(std::max(puzzleCount, 0)) + 1, PuzzleStats{});
    settings.ownPuzzleStats.assign(std::size_t(std::max(ownPuzzleCount, 0)) + 1, PuzzleStats{});
    return settings;
}

bool loadSettings(Settings &settings, int puzzleCount, int ownPuzzleCount)
{
    settings = firstRunSettings(puzzleCount, ownPuzzleCount);

    const OpenedStore opened = openUserStore();
    if (opened.status == OpenStatus::Opened)
        readSettings(*opened.store, settings);
    return opened.status != OpenStatus::Failed;
}

void readSettings(const KeyValueStore &kv, Settings &settings)
{
    // The stored book index is not read back: there is one last-played number, whatever it says.
    std::array<std::uint8_t, 8> solving = solvingBlock(settings);
    if (readInto(kv, kSolvingData, solving)) {
        settings.pencilMode = get<std::int16_t>(solving.data() + 2);
        std::copy_n(solving.begin() + 4, 4, settings.reserved.begin());
    }

    std::array<std::uint8_t, 4> last = lastPlayedBlock(settings);
    settings.lastPuzzle = readInto(kv, kLastPlayed, last) ? get<std::int32_t>(last.data()) : 1;

    std::array<std::uint8_t, 8> sound = soundBlock(settings);
    const bool soundRead = readInto(kv, kSoundOptions, sound);
    for (int k = 1; k <= 4; ++k)
        settings.soundOptions[std::size_t(k)] = soundRead ? get<std::int16_t>(sound.data() + 2 * (k - 1)) : 1;

    const int count = storedPuzzleCount(settings);
    for (int n = 1; n <= count; ++n)
        readStats(kv, n, settings.puzzleStats[std::size_t(n)]);
    for (std::size_t n = 1; n < settings.ownPuzzleStats.size(); ++n)
        readStats(kv, int(n), settings.ownPuzzleStats[n], kOwnPrefix);

    for (const Switch &s : kSwitches)
        settings.*s.member = readOption(kv, QString::fromLatin1(s.name), 2) == 1;
    settings.colourScheme = ColourScheme(readOption(kv, kColourScheme, kColourSchemeCount));
    if (const std::optional<QByteArray> bytes = kv.readBytes(kCombinationsPosition, 8);
        bytes && bytes->size() == 8) {
        const auto *at = reinterpret_cast<const std::uint8_t *>(bytes->data());
        settings.combinationsPosition = std::pair(get<std::int32_t>(at), get<std::int32_t>(at + 4));
    }
    settings.keyScheme = readOption(kv, kKeyScheme, 2);
    settings.fitWindow = readOption(kv, kFitWindow, 2) == 1;
    settings.autoMarks = readOption(kv, kAutoMarks, 2, 1) == 1;
    // A place that no window could take reads as none.
    if (const std::optional<QByteArray> bytes = kv.readBytes(kWindowPlace, 16);
        bytes && bytes->size() == 16) {
        const auto *at = reinterpret_cast<const std::uint8_t *>(bytes->data());
        const WindowPlace place{get<std::int32_t>(at), get<std::int32_t>(at + 4),
                                get<std::int32_t>(at + 8) == 1, get<std::int32_t>(at + 12)};
        if (place.width > 0 && place.width <= 100000 && place.height > 0 && place.height <= 100000 &&
            place.zoomLevel >= 1 && place.zoomLevel <= 10)
            settings.windowPlace = place;
    }
}

bool saveSettings(const Settings &settings)
{
    const OpenedStore opened = openUserStore();
    if (opened.status != OpenStatus::Opened)
        return opened.status != OpenStatus::Failed;
    KeyValueStore &kv = *opened.store;

    kv.writeBytes(kSolvingData, asBytes(solvingBlock(settings)));
    kv.writeBytes(kSoundOptions, asBytes(soundBlock(settings)));
    kv.writeBytes(kLastPlayed, asBytes(lastPlayedBlock(settings)));

    const int count = storedPuzzleCount(settings);
    for (int n = 1; n <= count; ++n)
        writeStats(kv, n, settings.puzzleStats[std::size_t(n)]);
    for (std::size_t n = 1; n < settings.ownPuzzleStats.size(); ++n) {
        const PuzzleStats &stats = settings.ownPuzzleStats[n];
        const bool used = std::any_of(stats.bestTimes.begin() + 1, stats.bestTimes.end(),
                                      [](std::int32_t time) { return time != 0; });
        if (used || kv.hasValue(timesName(int(n), kOwnPrefix)))
            writeStats(kv, int(n), stats, kOwnPrefix);
    }

    for (const Switch &s : kSwitches)
        writeOption(kv, QString::fromLatin1(s.name), settings.*s.member ? 1 : 0);
    writeOption(kv, kColourScheme, std::int32_t(settings.colourScheme));
    if (const auto &position = settings.combinationsPosition) {
        std::array<std::uint8_t, 8> block{};
        put<std::int32_t>(block.data(), position->first);
        put<std::int32_t>(block.data() + 4, position->second);
        kv.writeBytes(kCombinationsPosition, asBytes(block));
    }
    writeOption(kv, kKeyScheme, settings.keyScheme);
    writeOption(kv, kFitWindow, settings.fitWindow ? 1 : 0);
    writeOption(kv, kAutoMarks, settings.autoMarks ? 1 : 0, 1);
    if (const auto &place = settings.windowPlace; place && settings.fitWindow) {
        std::array<std::uint8_t, 16> block{};
        put<std::int32_t>(block.data(), place->width);
        put<std::int32_t>(block.data() + 4, place->height);
        put<std::int32_t>(block.data() + 8, place->maximised ? 1 : 0);
        put<std::int32_t>(block.data() + 12, place->zoomLevel);
        kv.writeBytes(kWindowPlace, asBytes(block));
    }

    // Losing the run's best times in silence would be worse than saying so.
    return kv.commit();
}

} // namespace store
