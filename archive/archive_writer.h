#pragma once
// Archiving off the caller's thread: a thread of its own with its own
// connection to the archive, so a window hands a result over and goes on at
// once. Results are added in the order they were posted; a failure is
// reported, never thrown, and the next result tries again.
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "archive_entry.h"

class QThread;

namespace kav::archive {

class ArchiveWriter : public QObject {
    Q_OBJECT
public:
    explicit ArchiveWriter(QObject* parent = nullptr);
    // Finishes what was posted, then ends the thread.
    ~ArchiveWriter() override;

    // The archive the next results go to (opened on first use, reopened when it changes).
    void setLocation(const QString& location);
    QString location() const { return location_; }

    // `make` runs on the archive's thread (building a record's bytes may take a while).
    void post(std::function<Entry()> make);
    // Blocks until everything posted before has been written (tests, benchmarks, the end).
    void flush();

signals:
    // Emitted from the archive's thread; a receiver on another thread gets them queued.
    void archived(qint64 id, bool added);
    void failed(const QString& message);

private:
    class Worker;
    QString location_;
    QThread* thread_ = nullptr;
    Worker* worker_ = nullptr; // lives on thread_
};

} // namespace kav::archive
