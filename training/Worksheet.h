#pragma once

#include "training/MistakeBook.h"
#include "training/ProgramFolders.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A question on a printed sheet with its exact value for the key.
struct SheetQuestion
{
    QString question; // "7×8="
    QString answer;   // "56", "3.5"
    friend bool operator==(const SheetQuestion &, const SheetQuestion &) = default;
};

// What a sheet is drawn from and how: its code names all of it.
struct SheetRecipe
{
    static constexpr int kMistakes = 0; // the source of the 错题本; ranges are 1-12
    static constexpr int kClassMistakes = 13; // a class's most-missed questions
    static constexpr int kClassPupils = 14;   // a sheet a pupil of a class, of the pupil's own mistakes
    int source = 2;
    int count = 100;
    int columns = 4;
    quint32 seed = 0; // 30 bits

    // "4-100-4-K7M2QX", "M-50-2-0000A1"; a class's sheets start "C" and "P"
    QString code() const;
    static std::optional<SheetRecipe> fromCode(QStringView code);
};

namespace Worksheet {

constexpr int kMaxCount = 200;
constexpr int kMaxColumns = 5;

// A whole number from low to high written in text, or nothing.
std::optional<int> boundedNumber(QStringView text, int low, int high);

// Six characters of a 30-bit seed, and back; O, I and L are read as 0, 1, 1.
QString seedText(quint32 seed);
std::optional<quint32> parseSeed(QStringView text);
// A random seed, or the pinned number brought within a seed's 30 bits.
quint32 newSeed(std::optional<quint32> pinned = std::nullopt);

// "20以内一步加减法" for range 2, "自制题库" for 1, "错题本" for the mistakes.
QString sourceName(int source);
// "口算练习　20以内一步加减法"
QString defaultTitle(int source);

// The different questions that can go on a sheet, in first-seen order:
// those whose exact value has a finite decimal.
QList<SheetQuestion> usable(const QStringList &questions);
QList<SheetQuestion> usable(const QList<Mistake> &mistakes);
// A range's bank read and filtered. Throws FileOpenError.
QList<SheetQuestion> rangeQuestions(const ProgramFolders &folders, int range);

// count questions drawn by the seed: each different question once while
// there are enough, then again only as needed.
QList<SheetQuestion> draw(const QList<SheetQuestion> &pool, int count, quint32 seed);

} // namespace Worksheet
