// Reading and adding to the player's own puzzles.
#include "game/my_puzzles.h"

#include "platform/paths.h"
#include "platform/whole_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace game {
namespace {

const std::uint8_t *data(const QByteArray &bytes)
{
    return reinterpret_cast<const std::uint8_t *>(bytes.constData());
}

} // namespace

MyPuzzles::MyPuzzles(const QString &path) : path_(path) {}

QString MyPuzzles::pathFor(const QString &savedGamesFolder)
{
    return platform::joinPath(QFileInfo(savedGamesFolder).path(), QStringLiteral("my-puzzles.qztw"));
}

QString MyPuzzles::savedGamePath(const QString &savedGamesFolder, int number)
{
    return platform::joinPath(savedGamesFolder, QStringLiteral("my-%1.sav").arg(number));
}

bool MyPuzzles::load(QString *error)
{
    bytes_.clear();
    offsets_.clear();
    book_ = puzzle::Book();
    damaged_ = false;
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return true;
    QString why;
    QFile file(path_);
    if (!QFileInfo(path_).isFile())
        why = QCoreApplication::translate("game::MyPuzzles", "not a file");
    else if (!file.open(QIODevice::ReadOnly))
        why = file.errorString();
    else if (file.size() > kakuro::kMaxBookBytes)
        why = QCoreApplication::translate("game::MyPuzzles", "too large for a puzzle book");
    else
        bytes_ = file.readAll();
    if (why.isEmpty() && !book_.openBytes(bytes_, &why) && why.isEmpty())
        why = QCoreApplication::translate("game::MyPuzzles", "damaged");
    if (!why.isEmpty()) {
        damaged_ = true;
        bytes_.clear();
        if (error)
            *error = QCoreApplication::translate(
                         "game::MyPuzzles",
                         "Your puzzles in %1 could not be read (%2). The file is kept as it is; new puzzles "
                         "cannot be added to it until it is repaired or moved away.")
                         .arg(QDir::toNativeSeparators(path_), why);
        return false;
    }
    const kakuro::BookCheck check =
        kakuro::validateBook(std::span<const std::uint8_t>(data(bytes_), std::size_t(bytes_.size())));
    offsets_ = check.offsets;
    return true;
}

std::optional<kakuro::PuzzleCode> MyPuzzles::code(int number) const
{
    if (number < 1 || number > count())
        return std::nullopt;
    const std::int32_t offset = offsets_[std::size_t(number - 1)];
    const std::uint8_t *at = data(bytes_) + offset;
    return kakuro::codeOfReserved(kakuro::recordReserved(data(bytes_), offset),
                                  qFromLittleEndian<std::int16_t>(at),
                                  qFromLittleEndian<std::int16_t>(at + 2));
}

int MyPuzzles::find(const kakuro::BookPuzzle &record) const
{
    for (int n = 1; n <= count(); ++n)
        if (book_.record(n) == record)
            return n;
    return 0;
}

int MyPuzzles::find(const kakuro::PuzzleCode &code) const
{
    for (int n = 1; n <= count(); ++n)
        if (this->code(n) == code)
            return n;
    return 0;
}

int MyPuzzles::add(const kakuro::BookPuzzle &record, std::uint32_t reserved, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QCoreApplication::translate("game::MyPuzzles",
                                                 "The puzzle could not be added to your puzzles in %1: %2")
                         .arg(QDir::toNativeSeparators(path_), why);
        return 0;
    };
    if (damaged_)
        return fail(
            QCoreApplication::translate("game::MyPuzzles", "the file is damaged and is kept as it is."));
    if (count() >= kakuro::kMaxPuzzleCount)
        return fail(
            QCoreApplication::translate("game::MyPuzzles", "it holds as many puzzles as a book can."));

    // The records stay byte for byte; the offset table grows by one entry, so each moves by 4.
    const std::size_t oldCount = offsets_.size();
    const qsizetype oldTableEnd = 8 + 4 * qsizetype(oldCount);
    QByteArray out("QZTW", 4);
    const auto putI32 = [&out](std::int32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    putI32(std::int32_t(oldCount + 1));
    for (const std::int32_t offset : offsets_)
        putI32(offset + 4);
    const qsizetype oldRecordsSize = oldCount == 0 ? 0 : bytes_.size() - oldTableEnd;
    putI32(std::int32_t(oldTableEnd + 4 + oldRecordsSize));
    if (oldCount > 0)
        out.append(bytes_.constData() + oldTableEnd, oldRecordsSize);
    const qsizetype recordAt = out.size();
    char header[8];
    qToLittleEndian(std::int16_t(record.width), header);
    qToLittleEndian(std::int16_t(record.height), header + 2);
    qToLittleEndian(reserved, header + 4);
    out.append(header, 8);
    out.append(reinterpret_cast<const char *>(record.cells.data()), qsizetype(record.cells.size()));

    puzzle::Book grown;
    QString why;
    if (!grown.openBytes(out, &why))
        return fail(why);

    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QCoreApplication::translate("game::MyPuzzles", "the folder %1 could not be created.")
                        .arg(QDir::toNativeSeparators(folder)));
    // The old book stays whole unless the grown one reached the disk in full.
    if (QString reason; !platform::writeWholeFile(path_, out, &reason))
        return fail(reason);

    bytes_ = out;
    book_ = grown;
    offsets_.clear();
    for (std::size_t k = 0; k < oldCount; ++k)
        offsets_.push_back(qFromLittleEndian<std::int32_t>(out.constData() + 8 + 4 * qsizetype(k)));
    offsets_.push_back(std::int32_t(recordAt));
    return count();
}

} // namespace game
