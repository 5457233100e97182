#pragma once

#include "training/RecordReader.h"

#include <QList>
#include <QStringList>

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
};

// Reads the "*.xl" files of each folder (not of its subfolders). progress
// is told (files read, files in all) from the reading threads.
RunCollection collectRuns(const QStringList &folders, const std::function<void(int, int)> &progress = {});
