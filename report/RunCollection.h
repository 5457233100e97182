#pragma once

#include "training/FactFluency.h"
#include "training/RecordReader.h"

#include <QList>
#include <QStringList>

#include <atomic>
#include <functional>

struct SkippedFile
{
    QString path;
    QString reason;
};

// Every record of some folders, read in parallel.
struct RunCollection
{
    QList<RecordedRun> runs;
    QList<SkippedFile> skipped;
    QStringList unreadableFolders;
    int timeLimit = FactFluency::kDefaultTimeLimit; // a fluent answer's seconds, as the folders set it
};

class RunCache;

// Reads the "*.xl" files of each folder (not of its subfolders). progress
// is told (files read, files in all) from the reading threads; once
// cancelled is set, the files not yet read are left unread. With a cache,
// only the files it does not hold as they are now are read, and it learns
// them.
RunCollection collectRuns(const QStringList &folders, const std::function<void(int, int)> &progress = {},
                          const std::atomic<bool> *cancelled = nullptr, RunCache *cache = nullptr);
