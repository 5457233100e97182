#include "training/Worksheet.h"

#include "text/TextFile.h"
#include "training/AppPaths.h"
#include "training/BankPair.h"
#include "training/DrawGenerator.h"
#include "training/TrainingCatalogue.h"

#include <QRandomGenerator>
#include <QSet>

namespace {

// No 0/O or 1/I/L pairs to confuse on paper.
constexpr char kDigits[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kSeedLength = 6;
constexpr quint32 kSeedMask = (1u << 30) - 1;

} // namespace

QString SheetRecipe::code() const
{
    const QString from = source == kMistakes        ? QStringLiteral("M")
                         : source == kClassMistakes ? QStringLiteral("C")
                         : source == kClassPupils   ? QStringLiteral("P")
                                                    : QString::number(source);
    return QStringLiteral("%1-%2-%3-%4").arg(from).arg(count).arg(columns).arg(Worksheet::seedText(seed));
}

std::optional<SheetRecipe> SheetRecipe::fromCode(QStringView code)
{
    const QList<QStringView> parts = code.trimmed().split(u'-');
    if (parts.size() != 4)
        return std::nullopt;
    const bool mistakes = parts[0].compare(u"M", Qt::CaseInsensitive) == 0;
    const auto source = mistakes ? std::optional<int>(kMistakes) : Worksheet::boundedNumber(parts[0], 1, TrainingCatalogue::kRangeCount);
    const auto count = Worksheet::boundedNumber(parts[1], 1, Worksheet::kMaxCount);
    const auto columns = Worksheet::boundedNumber(parts[2], 1, Worksheet::kMaxColumns);
    const auto seed = Worksheet::parseSeed(parts[3]);
    if (!source || !count || !columns || !seed)
        return std::nullopt;
    return SheetRecipe{*source, *count, *columns, *seed};
}

namespace Worksheet {

std::optional<int> boundedNumber(QStringView text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

QString seedText(quint32 seed)
{
    QString text(kSeedLength, u'0');
    for (int i = kSeedLength - 1; i >= 0; --i, seed >>= 5)
        text[i] = QLatin1Char(kDigits[seed & 31]);
    return text;
}

std::optional<quint32> parseSeed(QStringView text)
{
    if (text.size() != kSeedLength)
        return std::nullopt;
    quint32 seed = 0;
    for (QChar c : text) {
        c = c.toUpper();
        if (c == u'O')
            c = u'0';
        else if (c == u'I' || c == u'L')
            c = u'1';
        const char *found = c.unicode() < 128 ? std::strchr(kDigits, char(c.unicode())) : nullptr;
        if (!found || !*found)
            return std::nullopt;
        seed = seed << 5 | quint32(found - kDigits);
    }
    return seed;
}

quint32 newSeed(std::optional<quint32> pinned)
{
    return pinned.value_or(QRandomGenerator::global()->generate()) & kSeedMask;
}

QString sourceName(int source)
{
    if (source == SheetRecipe::kMistakes || source == SheetRecipe::kClassPupils)
        return QStringLiteral("错题本");
    if (source == SheetRecipe::kClassMistakes)
        return QStringLiteral("全班错题");
    // "2、20以内一步加减法  训练" without its number and "训练".
    QString name = TrainingCatalogue::range(source - 1).boxText;
    name = name.mid(name.indexOf(u'、') + 1);
    name.chop(QStringLiteral("训练").size());
    return name.trimmed();
}

QString defaultTitle(int source)
{
    return QStringLiteral("口算练习　") + sourceName(source);
}

QList<SheetQuestion> usable(const QStringList &questions)
{
    QList<SheetQuestion> result;
    QSet<QString> seen;
    for (const QString &line : questions) {
        const QString question = AppPaths::trimmed(line);
        if (question.isEmpty() || seen.contains(question))
            continue;
        const auto evaluation = evaluateQuestion(question);
        if (!evaluation || !evaluation->value.terminates())
            continue;
        seen.insert(question);
        result.append({question, evaluation->value.toDecimal()});
    }
    return result;
}

QList<SheetQuestion> usable(const QList<Mistake> &mistakes)
{
    QList<SheetQuestion> result;
    for (const Mistake &mistake : mistakes) {
        if (mistake.practised())
            result.append({mistake.question, mistake.rightValue()});
    }
    return result;
}

QList<SheetQuestion> rangeQuestions(const ProgramFolders &folders, int range)
{
    const BankPair bank = BankPair::ofRange(folders, range - 1);
    bank.recover();
    return usable(TextFile::readLines(bank.questionPath()));
}

QList<SheetQuestion> draw(const QList<SheetQuestion> &pool, int count, quint32 seed)
{
    QList<SheetQuestion> sheet;
    if (pool.isEmpty())
        return sheet;
    DrawGenerator generator(seed);
    while (sheet.size() < count) {
        // A shuffled round of every question, taken from the front.
        QList<SheetQuestion> round = pool;
        for (qsizetype i = round.size() - 1; i > 0; --i)
            round.swapItemsAt(i, generator.next(quint32(i + 1)));
        sheet.append(round.mid(0, count - sheet.size()));
    }
    return sheet;
}

} // namespace Worksheet
