#pragma once

#include "training/ClassFolder.h"
#include "training/ProgramFolders.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

// A pupil of a class training on this computer. The class folder may be on
// a share that is slow, gone or hung, so the window never touches it: the
// pupil trains in a folder of this computer's (records into its job/, range
// 1 from its data/), and the session carries records to the class folder
// and the pupil's bank from it on threads of their own, with time limits.
class ClassSession : public QObject
{
    Q_OBJECT

public:
    ClassSession(QString classFolder, QString pupil, const ProgramFolders &program, QObject *parent = nullptr);

    const QString &classFolder() const { return m_classFolder; }
    const QString &pupil() const { return m_pupil; }
    // The folders the window trains in: the pupil's folder on this computer.
    ProgramFolders folders() const;
    // The pupil's records as the class folder holds them, copied here for
    // reading again ("查    询") whether or not the share answers.
    QString recordsFolder() const;
    // Where this computer keeps the records of every pupil of the class
    // until they are delivered: <kept>/<pupil>/job/.
    QString keptFolder() const;

    // Fetches the pupil's bank from the class folder (the pupil's own, else
    // the class's) into the pupil's folder here, waiting at most `limit`;
    // false when the class folder did not answer in time.
    bool fetchBank(std::chrono::milliseconds limit);
    // The pupil's bank was edited here: it goes to the pupil's folder in the
    // class folder with the next delivery, and no fetch replaces it before.
    void bankEdited();
    // Starts carrying every kept record of the class to the class folder,
    // oldest first, then copying the pupil's records back for reading,
    // unless a delivery is still under way.
    void deliver();
    enum class Delivery { Delivered, Kept, UnderWay };
    // How the latest delivery ended, waiting for it at most `limit` while
    // events are handled: the closing box of a run says where its record is.
    Delivery awaitDelivery(std::chrono::milliseconds limit);

    // The class's roster read within `limit`; nothing, with the reason in
    // why, when it cannot be read or the class folder does not answer.
    static std::optional<Roster> readRoster(const QString &classFolder, std::chrono::milliseconds limit, QString *why);

    // Carries kept records: each under the next free number of its day in
    // <class>/<pupil>/job/ with the time it was written, never replacing one,
    // and dropped when a record of its day there has the same bytes and time
    // (an earlier delivery that hung finished after all). Nothing is made when the class folder is gone.
    // Returns how many were delivered; throws NumoraError where it stops.
    static int deliverKept(const QString &keptFolder, const QString &classFolder);

    // Carries an edited bank from `localFolder` to `pupilFolder` when one
    // waits there. Throws NumoraError, the bank still waiting.
    static void deliverBank(const QString &localFolder, const QString &pupilFolder);

    // Copies the records of `pupilJob` that `mirror` lacks or holds in
    // another size. Throws NumoraError where it stops.
    static void mirrorRecords(const QString &pupilJob, const QString &mirror);

signals:
    // A delivery ended: how many records arrived, and whether the class
    // folder could be reached.
    void delivered(int count, bool reached);

private:
    QString m_classFolder;
    QString m_pupil;
    ProgramFolders m_program;
    QString m_local;
    // Shared with the delivery thread, which may outlive the session.
    struct DeliveryState
    {
        std::atomic<bool> underWay = false;
        std::atomic<bool> reached = true;
        std::atomic<bool> asked = false; // again, since the one under way began
    };
    std::shared_ptr<DeliveryState> m_delivery;
};
